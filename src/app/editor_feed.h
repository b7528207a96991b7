#pragma once

// The input editor's text handed to the worker a slice at a time. Only the user-interface
// thread may read the editor, so the worker's reading asks (through `ask`, which posts to that
// thread) whenever it has room for kSlicesAhead slices more, and serve() reads the next few
// there: never the whole text at once, and never a copy of it.

#include <cstddef>
#include <functional>
#include <memory>

#include "support/text_stream.h"
#include "backend/backend_controls.h"

namespace ambrel {

class EditorFeed {
 public:
  // UTF-16 units per slice: a few milliseconds of reading on the user-interface thread.
  static constexpr std::size_t kSliceUnits = std::size_t{1} << 17;
  static constexpr std::size_t kSlicesAhead = 2;

  // Asks for the first slices at once.
  EditorFeed(std::unique_ptr<ControlTextReader> reader, std::function<void()> ask);

  // The worker's reader of the text, handed out once.
  std::shared_ptr<TextStream::Reader> take_reader() { return std::move(worker_reader_); }

  // The user-interface thread: reads slices while the worker has room for them, or until the
  // text has ended.
  void serve();

 private:
  std::unique_ptr<ControlTextReader> reader_;  // user-interface thread only
  std::function<void()> ask_;
  std::shared_ptr<TextStream> text_ = TextStream::make({kSliceUnits, kSlicesAhead});
  std::unique_ptr<TextStream::Reader> worker_reader_ = text_->reader();
};

}  // namespace ambrel
