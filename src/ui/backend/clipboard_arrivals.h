#pragma once

// What a clipboard reading in another thread hands over, kept until all of it has come and
// then taken in by an editor's paste in pieces of bounded size: a paste goes in whole or not
// at all, as the user asked for the whole clipboard. The end, or the failure, wakes the
// editor once. No piece ends inside a CR LF or a surrogate pair.

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
  // `wake` runs on the reading thread once the text has ended or failed; it is to have the
  // editor take it.
  explicit ClipboardArrivals(std::function<void()> wake) : wake_(std::move(wake)) {}

  void add(std::u16string_view text) override { push(joiner_.pass(text, false), false); }
  void end() override { push(joiner_.pass({}, true), true); }
  // What came is let go: only a start, it would pass for the whole.
  void fail() override;

  // The editor's thread: the next piece, at most `limit` units, into `piece` (valid until the
  // next call); false when there is none (the text has not ended, all of it was taken, or it
  // failed).
  bool take(std::size_t limit, std::u16string_view& piece);
  // Whether the text failed to come whole: nothing of it is handed out.
  bool failed() const;

 private:
  void push(std::u16string_view text, bool ends);

  std::function<void()> wake_;
  mutable std::mutex mutex_;
  std::deque<std::u16string> texts_;
  bool ended_ = false;
  bool failed_ = false;
  TextPartJoiner joiner_;   // the reading thread's only
  std::u16string current_;  // the editor's: the text its pieces come from
  std::size_t taken_ = 0;   // units of current_ handed out
};

}  // namespace ambrel
