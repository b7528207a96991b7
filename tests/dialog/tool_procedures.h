#pragma once

#include "embedded/embedded_definition.h"
#include "dialog/definition/runtime_registry.h"

namespace ambrel {

inline void tool_procedure_does_nothing() {}

// Publishes the six procedures the tool's own definition binds, each doing nothing, so the
// definition opens without the application behind it.
inline void publish_inert_tool_procedures() {
  for (std::u16string_view name : kEmbeddedProcedures) {
    runtime_register_procedure(name, tool_procedure_does_nothing);
  }
}

}  // namespace ambrel
