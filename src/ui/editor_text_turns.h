#pragma once

// An editor's text moved to or from a text stream on the user-interface thread, a bounded
// stretch of work at a time, so that the window answers throughout however long the text is:
// into the editor over the event loop's idle turns (PieceTurns), out of it as fast as the
// stream's reader makes room (EditorFeed).

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "support/text_stream.h"
#include "backend/backend_controls.h"
#include "ui/owned_posts.h"

namespace ambrel {

// One stretch of work on the user-interface thread: once it is over, the rest waits for a
// later turn of the event loop, so that the window answers in between.
class Turn {
 public:
  // About this long of work per turn.
  static constexpr std::chrono::milliseconds kBudget{25};

  bool over() const { return std::chrono::steady_clock::now() >= end_; }

 private:
  std::chrono::steady_clock::time_point end_ = std::chrono::steady_clock::now() + kBudget;
};

// A text's pieces handed to `put` over the event loop's idle turns. A text still on its way
// wakes the turns when more has come. What fills the input editor and what takes a paste into
// an editor both go this way.
class PieceTurns {
 public:
  using Put = std::function<void(std::u16string_view piece)>;

  // Pieces are put joined, up to about this many units at a time (and whatever came by the
  // end of a turn): each put costs the editor more than its text does (under Wine, setting
  // the scroll bar anew takes some 8 ms), which pieces of 64 Ki units would pay 16 times per
  // megabyte.
  static constexpr std::size_t kJoinedUnits = std::size_t{1} << 20;

  // Starts handing `reader`'s pieces to `put`; `done` runs (on the user-interface thread) once
  // all of them are put. Nothing runs after the turns are destroyed, which `done` may do.
  PieceTurns(std::unique_ptr<TextStream::Reader> reader, Put put, std::function<void()> done);
  PieceTurns(const PieceTurns&) = delete;
  PieceTurns& operator=(const PieceTurns&) = delete;

 private:
  void take_turn();
  void take_idle_turn();
  void join(std::u16string_view piece);
  void put_joined();

  std::unique_ptr<TextStream::Reader> reader_;
  Put put_;
  std::u16string joined_;
  std::function<void()> done_;
  OwnedPosts posts_;
};

// The input editor's text handed to the worker a slice at a time. Only the user-interface
// thread may read the editor, so the worker's reading asks (through `ask`, which posts to that
// thread) whenever it has room for kSlicesAhead slices more, and serve() reads the next few
// there, for one turn at most: never the whole text at once, and never a copy of it.
class EditorFeed {
 public:
  // UTF-16 units per slice: a few milliseconds of reading on the user-interface thread.
  static constexpr std::size_t kSliceUnits = std::size_t{1} << 17;
  static constexpr std::size_t kSlicesAhead = 2;

  // Asks for the first slices at once.
  EditorFeed(std::unique_ptr<ControlTextReader> reader, std::function<void()> ask);

  // The worker's reader of the text, handed out once.
  std::shared_ptr<TextStream::Reader> take_reader() { return std::move(worker_reader_); }

  // The user-interface thread: reads slices while the worker has room for them, until the text
  // has ended; asks again when the turn is over first.
  void serve();

 private:
  std::unique_ptr<ControlTextReader> reader_;  // user-interface thread only
  std::function<void()> ask_;
  std::shared_ptr<TextStream> text_ = TextStream::make({kSliceUnits, kSlicesAhead});
  std::unique_ptr<TextStream::Reader> worker_reader_ = text_->reader();
};

}  // namespace ambrel
