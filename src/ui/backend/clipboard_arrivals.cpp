#include "ui/backend/clipboard_arrivals.h"

#include <utility>

#include "support/unicode_text.h"

namespace ambrel {

bool ClipboardArrivals::take(std::u16string& text, bool& ended) {
  std::lock_guard lock(mutex_);
  ended = ended_ && texts_.empty();
  if (texts_.empty()) {
    woken_ = false;
    return false;
  }
  text = std::move(texts_.front());
  texts_.pop_front();
  return true;
}

void ClipboardArrivals::push(std::u16string text, bool ends) {
  text.insert(0, std::exchange(held_, {}));
  if (!ends && !text.empty() && joins_next(text.back())) {
    held_.assign(1, text.back());
    text.pop_back();
  }
  bool wake = false;
  {
    std::lock_guard lock(mutex_);
    if (!text.empty()) texts_.push_back(std::move(text));
    ended_ = ended_ || ends;
    wake = !woken_;
    woken_ = true;
  }
  if (wake) wake_();
}

}  // namespace ambrel
