#include "app/paste_notice.h"

#include "ui/window.h"

namespace ambrel {

void PasteNotice::show() {
  if (shown_) return;
  title_ = window_title(window_);
  window_set_title(window_, (title_ + std::u16string(kSuffix)).c_str());
  shown_ = true;
}

void PasteNotice::clear() {
  if (!shown_) return;
  window_set_title(window_, title_.c_str());
  shown_ = false;
}

}  // namespace ambrel
