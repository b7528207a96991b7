#include "ui/clipboard_paste.h"

#include <utility>

#include "ui/ui_backend.h"

namespace ambrel {

ClipboardPaste::ClipboardPaste(TextStream::Limits limits, Whole whole, std::function<void()> failed,
                               Coming coming)
    : whole_(std::move(whole)),
      failed_(std::move(failed)),
      coming_(std::move(coming)),
      text_(TextStream::make(limits)) {
  BackendDesktop* desktop = ui_desktop();
  if (!desktop) return;
  text_->when_ended(posts_.poster([this] { finish(); }));
  if (coming_) {
    keeper_ = text_->reader();
    keeper_->when_more(posts_.poster([this] { first_text(); }));
  }
  reading_ = desktop->read_clipboard_text(text_);
  if (!reading_) finish();
}

// The reading first: after it, nothing more is written or woken.
ClipboardPaste::~ClipboardPaste() {
  reading_.reset();
  if (!finished_) text_->stop();
}

void ClipboardPaste::first_text() {
  if (!finished_ && text_->has_text()) coming_(text_->reader());
}

// What is called is copied out first, since the call may end the paste. The keeper goes only
// once `whole` has taken its readers, which start at the first piece still held.
void ClipboardPaste::finish() {
  if (finished_) return;
  finished_ = true;
  std::unique_ptr<TextStream::Reader> keeper = std::move(keeper_);
  if (text_->failed()) {
    std::function<void()> failed = failed_;
    failed();
  } else {
    Whole whole = whole_;
    whole(text_);
  }
}

}  // namespace ambrel
