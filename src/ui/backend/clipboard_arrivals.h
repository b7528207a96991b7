#pragma once

// What a clipboard reading in another thread has handed over and an editor's paste has not
// taken in yet, handed out in pieces of bounded size. The first text after the editor took
// all there was wakes it. No piece ends inside a CR LF or a surrogate pair.

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "support/text_part_joiner.h"
#include "ui/backend/backend_desktop.h"

namespace ambrel {

class ClipboardArrivals final : public ClipboardTextSink {
 public:
  // `wake` runs on the reading thread; it is to have the editor take what came.
  explicit ClipboardArrivals(std::function<void()> wake) : wake_(std::move(wake)) {}

  void add(std::u16string_view text) override { push(joiner_.pass(text, false), false); }
  void end() override { push(joiner_.pass({}, true), true); }

  // The editor's thread: the next piece, at most `limit` units, into `piece` (valid until the
  // next call); false when none waits, with `ended` telling whether none will.
  bool take(std::size_t limit, std::u16string_view& piece, bool& ended);

 private:
  void push(std::u16string_view text, bool ends);

  std::function<void()> wake_;
  std::mutex mutex_;
  std::deque<std::u16string> texts_;
  bool ended_ = false;
  bool woken_ = false;      // a wake is on its way, or the editor has yet to find the queue empty
  TextPartJoiner joiner_;   // the reading thread's only
  std::u16string current_;  // the editor's: the text its pieces come from
  std::size_t taken_ = 0;   // units of current_ handed out
};

}  // namespace ambrel
