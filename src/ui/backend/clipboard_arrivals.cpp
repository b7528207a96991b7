#include "ui/backend/clipboard_arrivals.h"

#include <utility>

#include "support/unicode_text.h"

namespace ambrel {

bool ClipboardArrivals::take(std::size_t limit, std::u16string_view& piece) {
  if (taken_ == current_.size()) {
    std::lock_guard lock(mutex_);
    if (!ended_ || texts_.empty()) return false;
    current_ = std::move(texts_.front());
    texts_.pop_front();
    taken_ = 0;
  }
  std::u16string_view rest = std::u16string_view(current_).substr(taken_);
  piece = rest.substr(0, next_piece_units(rest, limit));
  taken_ += piece.size();
  return true;
}

bool ClipboardArrivals::failed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

void ClipboardArrivals::fail() {
  {
    std::lock_guard lock(mutex_);
    if (ended_) return;
    texts_.clear();
    ended_ = true;
    failed_ = true;
  }
  wake_();
}

void ClipboardArrivals::push(std::u16string_view text, bool ends) {
  {
    std::lock_guard lock(mutex_);
    if (ended_) return;
    if (!text.empty()) texts_.emplace_back(text);
    ended_ = ends;
  }
  if (ends) wake_();
}

}  // namespace ambrel
