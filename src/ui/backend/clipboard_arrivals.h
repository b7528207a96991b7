#pragma once

// What a clipboard reading in another thread has handed over and an editor's paste has not
// taken in yet. The first text after the editor took all there was wakes it. A CR or a high
// surrogate at the end of a text waits for the next one, so that a CR LF or a surrogate pair
// cut between two stays whole.

#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "ui/backend/backend_desktop.h"

namespace ambrel {

class ClipboardArrivals final : public ClipboardTextSink {
 public:
  // `wake` runs on the reading thread; it is to have the editor take what came.
  explicit ClipboardArrivals(std::function<void()> wake) : wake_(std::move(wake)) {}

  void add(std::u16string_view text) override { push(std::u16string(text), false); }
  void end() override { push({}, true); }

  // The next text into `text`; false when none waits, with `ended` telling whether none will.
  bool take(std::u16string& text, bool& ended);

 private:
  void push(std::u16string text, bool ends);

  std::function<void()> wake_;
  std::mutex mutex_;
  std::deque<std::u16string> texts_;
  bool ended_ = false;
  bool woken_ = false;   // a wake is on its way, or the editor has yet to find the queue empty
  std::u16string held_;  // the reading thread's only
};

}  // namespace ambrel
