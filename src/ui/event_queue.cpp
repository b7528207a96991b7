#include <memory>
#include <utility>

#include "ui/event_state.h"

namespace ambrel {

namespace {

// Shared so that a dispatch keeps the state it started on when a procedure ends the library.
std::shared_ptr<EventState>& running_state() {
  static std::shared_ptr<EventState> state;
  return state;
}

EventState* state_if_running() { return running_state().get(); }

// The current event; none while the library is not running.
const CurrentEvent& current() {
  static const CurrentEvent none;
  const EventState* state = state_if_running();
  return state ? state->current : none;
}

bool merges_into_tail(const EventState& state, int code, int object, int window, int type) {
  if (state.queue.empty() || code > 0xFFFF) return false;
  const EventNode& tail = state.queue.back();
  return tail.code == code && tail.object == object && tail.window == window && tail.type == type;
}

bool matches(int wanted, int value) { return wanted == kAnyValue || wanted == value; }

}  // namespace

void start_event_state() {
  if (!running_state()) running_state() = std::make_shared<EventState>();
}

void end_event_state() {
  // Released from a local: data released now that raises or takes an event finds no state.
  std::shared_ptr<EventState> ending = std::move(running_state());
  ending.reset();
}

int current_event_code() { return current().code; }

void raise_event_with(int code, int object, int window, int type, std::uint32_t flags,
                      SharedPayload payload) {
  const std::shared_ptr<EventState> running = running_state();
  if (!running) return;
  EventState& state = *running;
  if (state.suppression != 0 && (flags & kEventForced) == 0) return;
  // A merged event leaves the tail its own data; the new data lives only for the dispatch.
  if (!merges_into_tail(state, code, object, window, type)) {
    state.queue.push_back({code, flags, object, window, type, payload});
  }

  CurrentEvent saved = std::move(state.current);
  std::uint64_t takes_before = state.takes;
  state.current = {code, window, object, type, std::move(payload)};
  dispatch_bound_procedures(code, window, object, type);
  // A procedure that took events itself leaves the event it took current; else the saved
  // current event comes back.
  if (state.takes == takes_before) state.current = std::move(saved);
}

void raise_event(int code, int object, int window, int type, void* data, EventDataRelease release) {
  SharedPayload payload;
  if (data) payload = std::make_shared<EventPayload>(data, release);
  raise_event_with(code, object, window, type, 0, std::move(payload));
}

void raise_event_forced(int code, int object, int window, int type) {
  raise_event_with(code, object, window, type, kEventForced, nullptr);
}

void remove_queued_events(int code, int object, int window, int type) {
  EventState* state = state_if_running();
  if (!state) return;
  std::erase_if(state->queue, [&](const EventNode& node) {
    return matches(code, node.code) && matches(object, node.object) &&
           matches(window, node.window) && matches(type, node.type);
  });
}

void suppress_events() {
  if (EventState* state = state_if_running()) ++state->suppression;
}

void resume_events() {
  // An unbalanced resume must not leave the events suppressed for good.
  EventState* state = state_if_running();
  if (state && state->suppression > 0) --state->suppression;
}

int event_window() { return current().window; }
int event_object() { return current().object; }
int event_type() { return current().type; }

void* event_data() {
  const SharedPayload& payload = current().payload;
  return payload ? payload->data() : nullptr;
}

int take_event() {
  EventState* running = state_if_running();
  if (!running) return 0;
  EventState& state = *running;
  ++state.takes;
  state.current.code = 0;
  state.current.payload.reset();
  state.current.type = -1;
  if (state.queue.empty()) return 0;
  EventNode node = std::move(state.queue.front());
  state.queue.pop_front();
  state.current = {node.code, node.window, node.object, node.type, std::move(node.payload)};
  return node.code;
}

}  // namespace ambrel
