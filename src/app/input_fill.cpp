#include "app/input_fill.h"

#include <utility>

#include "ui/gadget.h"
#include "ui/ui_backend.h"

namespace ambrel {

struct InputFill::State {
  int gadget = 0;
  std::unique_ptr<TextSource> source;
  std::function<void()> done;
};

InputFill::InputFill(int gadget, std::unique_ptr<TextSource> source, std::function<void()> done)
    : state_(std::make_shared<State>(State{gadget, std::move(source), std::move(done)})) {
  schedule_turn(state_);
}

InputFill::~InputFill() = default;

void InputFill::take_turn(const std::shared_ptr<State>& state) {
  using Clock = std::chrono::steady_clock;
  Clock::time_point end = Clock::now() + kTurnBudget;
  std::u16string_view piece;
  bool more = true;
  while (Clock::now() < end && (more = state->source->next(piece))) {
    if (piece.empty()) return wait_for_more(state);
    append_gadget_text(state->gadget, piece);
  }
  if (!more) {
    std::function<void()> done = std::move(state->done);
    if (done) done();
    return;
  }
  schedule_turn(state);
}

// A text still on its way wakes the fill when more has come, from whichever thread brings it.
void InputFill::wait_for_more(const std::shared_ptr<State>& state) {
  BackendEventPump* pump = ui_event_pump();
  if (!pump) return;
  state->source->when_more([pump, weak = std::weak_ptr<State>(state)] {
    pump->post([weak] {
      if (std::shared_ptr<State> live = weak.lock()) take_turn(live);
    });
  });
}

void InputFill::schedule_turn(const std::shared_ptr<State>& state) {
  if (BackendEventPump* pump = ui_event_pump()) {
    pump->post_when_idle([weak = std::weak_ptr<State>(state)] {
      if (std::shared_ptr<State> live = weak.lock()) take_turn(live);
    });
  }
}

}  // namespace ambrel
