#pragma once

// Puts a text that comes in pieces at the end of the input editor over the event loop's idle
// turns, each turn a bounded stretch of work, so that the window answers throughout however
// long the text is.

#include <chrono>
#include <functional>
#include <memory>

#include "app/text_source.h"

namespace ambrel {

class InputFill {
 public:
  // About this long of adding text per idle turn.
  static constexpr std::chrono::milliseconds kTurnBudget{25};

  // Starts adding `source`'s text to `gadget`; `done` runs (on the user-interface thread) once
  // all of it is there. Nothing runs after the fill is destroyed.
  InputFill(int gadget, std::unique_ptr<TextSource> source, std::function<void()> done);
  ~InputFill();
  InputFill(const InputFill&) = delete;
  InputFill& operator=(const InputFill&) = delete;

 private:
  struct State;
  static void schedule_turn(const std::shared_ptr<State>& state);
  static void take_turn(const std::shared_ptr<State>& state);
  static void wait_for_more(const std::shared_ptr<State>& state);

  std::shared_ptr<State> state_;
};

}  // namespace ambrel
