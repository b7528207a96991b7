#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "backend/backend.h"

namespace ambrel {

struct TimerDemoReport {
  int size_procedure_calls = 0;
  Size last_size_seen;
  std::vector<std::int64_t> tick_times;  // milliseconds after the window opened
  bool left_on_close_request = false;
  int window_still_open_at_close = 0;
};

// The same small program on any backend: opens a window, binds a procedure to its size
// event, starts a 100 ms timer and waits for events until the close request arrives.
// `script` plans the user's actions once the window is open; `clock` tells milliseconds.
TimerDemoReport run_timer_demo(const std::function<std::int64_t()>& clock,
                               const std::function<void(NativeHandle)>& script);

}  // namespace ambrel
