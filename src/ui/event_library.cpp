// Start and end of the event library, the wait, and posting from other threads.

#include <atomic>
#include <memory>
#include <utility>

#include "ui/event_state.h"
#include "ui/platform.h"

namespace ambrel {

namespace {

std::atomic<bool> running{false};

}  // namespace

bool event_library_running() { return running.load(); }

bool event_library_init() {
  if (!ui_backend()) return false;
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
  Backend* backend = ui_backend();
  if (!backend) return 0;
  return backend->pump(milliseconds < 0 ? -1 : milliseconds);
}

int window_wait_event_forever() { return window_wait_event(-1); }

int post_event(int code, int object, int window, int type, void* data, EventDataRelease release) {
  SharedPayload payload;
  if (data) payload = std::make_shared<EventPayload>(data, release);
  Backend* backend = ui_backend();
  if (!running.load() || !backend) return 0;
  backend->post([code, object, window, type, payload = std::move(payload)]() mutable {
    if (event_library_running())
      raise_event_with(code, object, window, type, kEventForced, std::move(payload));
  });
  return 1;
}

}  // namespace ambrel
