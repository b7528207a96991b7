#include "ui/clipboard_paste.h"

#include <utility>

#include "ui/ui_backend.h"

namespace ambrel {

ClipboardPaste::ClipboardPaste(TextStream::Limits limits, Whole whole, std::function<void()> failed)
    : whole_(std::move(whole)), failed_(std::move(failed)), text_(TextStream::make(limits)) {
  BackendDesktop* desktop = ui_desktop();
  if (!desktop) return;
  text_->when_ended(posts_.poster([this] { finish(); }));
  reading_ = desktop->read_clipboard_text(text_);
  if (!reading_) finish();
}

// The reading first: after it, nothing more is written or woken.
ClipboardPaste::~ClipboardPaste() { reading_.reset(); }

// What is called is copied out first, since the call may end the paste.
void ClipboardPaste::finish() {
  if (finished_) return;
  finished_ = true;
  if (text_->failed()) {
    std::function<void()> failed = failed_;
    failed();
  } else {
    Whole whole = whole_;
    whole(text_);
  }
}

}  // namespace ambrel
