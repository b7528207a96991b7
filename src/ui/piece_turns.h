#pragma once

// A text's pieces handed to `put` over the event loop's idle turns, each turn a bounded
// stretch of work, so that the window answers throughout however long the text is. A text
// still on its way wakes the turns when more has come. What fills the input editor and what
// takes a paste into an editor both go this way.

#include <chrono>
#include <functional>
#include <memory>
#include <string_view>

#include "support/text_stream.h"
#include "ui/owned_posts.h"

namespace ambrel {

class PieceTurns {
 public:
  // About this long of work per turn.
  static constexpr std::chrono::milliseconds kTurnBudget{25};

  using Put = std::function<void(std::u16string_view piece)>;

  // Starts handing `reader`'s pieces to `put`; `done` runs (on the user-interface thread) once
  // all of them are put. Nothing runs after the turns are destroyed, which `done` may do.
  PieceTurns(std::unique_ptr<TextStream::Reader> reader, Put put, std::function<void()> done);
  PieceTurns(const PieceTurns&) = delete;
  PieceTurns& operator=(const PieceTurns&) = delete;

 private:
  void take_turn();

  std::unique_ptr<TextStream::Reader> reader_;
  Put put_;
  std::function<void()> done_;
  OwnedPosts posts_;
};

}  // namespace ambrel
