#pragma once

#include "dialog/runtime_registry.h"

namespace ambrel {

inline void tool_procedure_does_nothing() {}

// Publishes the six procedures the tool's own definition binds, each doing nothing, so the
// definition opens without the application behind it.
inline void publish_inert_tool_procedures() {
  for (const char16_t* name : {u"events_cmdCopyAll()", u"events_cmdFile()", u"events_txtOut()",
                               u"events_txtIn()", u"events_cmdClear()", u"events_cmdPaste()"}) {
    runtime_register_procedure(name, tool_procedure_does_nothing);
  }
}

}  // namespace ambrel
