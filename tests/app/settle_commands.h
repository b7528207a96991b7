#pragma once

#include "app/application.h"
#include "app/tool_window.h"
#include "ui/events.h"

namespace ambrel {

// Takes what is queued, then runs the event loop until what the commands started (a
// generation, the filling of the input) is done. Not from inside an event's handling.
inline void settle_commands() {
  for (;;) {
    int code = window_wait_event(application_window()->working() ? 10 : 0);
    if (code == 0 && !application_window()->working()) return;
    application_handle_event(code);
  }
}

}  // namespace ambrel
