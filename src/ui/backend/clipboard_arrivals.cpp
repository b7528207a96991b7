#include "ui/backend/clipboard_arrivals.h"

#include <utility>

#include "support/unicode_text.h"

namespace ambrel {

bool ClipboardArrivals::take(std::size_t limit, std::u16string_view& piece, bool& ended) {
  if (taken_ == current_.size()) {
    std::lock_guard lock(mutex_);
    ended = ended_ && texts_.empty();
    if (texts_.empty()) {
      woken_ = false;
      return false;
    }
    current_ = std::move(texts_.front());
    texts_.pop_front();
    taken_ = 0;
  }
  ended = false;
  std::u16string_view rest = std::u16string_view(current_).substr(taken_);
  piece = rest.substr(0, next_piece_units(rest, limit));
  taken_ += piece.size();
  return true;
}

void ClipboardArrivals::push(std::u16string_view text, bool ends) {
  bool wake = false;
  {
    std::lock_guard lock(mutex_);
    if (!text.empty()) texts_.emplace_back(text);
    ended_ = ended_ || ends;
    wake = !woken_;
    woken_ = true;
  }
  if (wake) wake_();
}

}  // namespace ambrel
