#pragma once

// Dispatching platform events and running work on the user-interface thread.

#include <functional>

#include "backend/backend_sink.h"

namespace ambrel {

// What the pump returns after dispatching platform events; never an event code.
inline constexpr int kBackendEventsDispatched = 1;

class BackendEventPump {
 public:
  virtual ~BackendEventPump() = default;

  // Where every report goes; nullptr drops them.
  virtual void set_sink(BackendSink* sink) = 0;
  // Dispatches pending platform events. timeout_ms -1 blocks until one was dispatched, 0
  // does not wait, otherwise waits at most that long. Returns 0 when nothing was
  // dispatched, else kBackendEventsDispatched.
  virtual int pump(int timeout_ms) = 0;
  // Any thread: runs `task` on the user-interface thread inside a later pump, and wakes a
  // waiting pump. Tasks run in posting order.
  virtual void post(std::function<void()> task) = 0;
  // Runs `task` inside a later pump once the platform has nothing else waiting (input and
  // repaints go first), so that work cut into such tasks leaves the window answering. Tasks
  // run in posting order. User-interface thread only.
  virtual void post_when_idle(std::function<void()> task) = 0;
  // Whether the program awaits tasks that other threads work towards. Meanwhile a backend
  // whose clock is virtual (the headless one) lets no time pass and waits for them; a real
  // clock runs on. User-interface thread only.
  virtual void set_awaiting_posts(bool awaiting) = 0;
};

}  // namespace ambrel
