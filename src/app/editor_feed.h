#pragma once

// The input editor's text handed to the worker a slice at a time. Only the user-interface
// thread may read the editor, so the worker asks (through `ask`, which posts to that thread)
// whenever fewer than kSlicesAhead slices wait for it, and serve() reads the next few there:
// never the whole text at once, and never a copy of it.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "app/text_source.h"
#include "ui/backend/backend_controls.h"

namespace ambrel {

class EditorFeed final : public TextSource {
 public:
  // UTF-16 units per slice: a few milliseconds of reading on the user-interface thread.
  static constexpr std::size_t kSliceUnits = std::size_t{1} << 17;
  static constexpr std::size_t kSlicesAhead = 2;

  EditorFeed(std::unique_ptr<ControlTextReader> reader, std::function<void()> ask);

  // The worker: waits for the next slice.
  bool next(std::u16string_view& piece) override;
  void stop() override;

  // The user-interface thread: reads slices until kSlicesAhead wait, or the text has ended.
  void serve();

 private:
  std::unique_ptr<ControlTextReader> reader_;  // user-interface thread only
  std::function<void()> ask_;
  std::mutex mutex_;
  std::condition_variable served_;
  std::deque<std::u16string> slices_;
  bool asked_ = false;
  bool ended_ = false;
  bool stopped_ = false;
  std::u16string current_;  // the worker's slice
};

}  // namespace ambrel
