// Start and end of the event library, the wait, and posting from other threads.

#include <atomic>
#include <memory>
#include <utility>

#include "ui/event_state.h"
#include "ui/ui_backend.h"

namespace ambrel {

namespace {

std::atomic<bool> running{false};

}  // namespace

bool event_library_running() { return running.load(); }

bool event_library_init() {
  if (!ui_event_pump()) return false;
  start_event_state();
  create_binding_table();
  running.store(true);
  return true;
}

void event_library_end() {
  running.store(false);
  destroy_binding_table();
  end_event_state();
}

int window_wait_event(int milliseconds) {
  if (int code = take_event()) return code;
  BackendEventPump* pump = ui_event_pump();
  if (!pump) return 0;
  return pump->pump(milliseconds < 0 ? -1 : milliseconds);
}

int window_wait_event_forever() { return window_wait_event(-1); }

int post_event(int code, int object, int window, int type, void* data, EventDataRelease release) {
  SharedPayload payload;
  if (data) payload = std::make_shared<EventPayload>(data, release);
  BackendEventPump* pump = ui_event_pump();
  if (!running.load() || !pump) return 0;
  pump->post([code, object, window, type, payload = std::move(payload)]() mutable {
    if (event_library_running())
      raise_event_with(code, object, window, type, kEventForced, std::move(payload));
  });
  return 1;
}

}  // namespace ambrel
