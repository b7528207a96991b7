#include "app/clipboard_paste.h"

#include <utility>

#include "ui/ui_backend.h"

namespace ambrel {

ClipboardPaste::ClipboardPaste(Replace replace, std::function<void()> failed)
    : replace_(std::move(replace)), failed_(std::move(failed)) {
  BackendDesktop* desktop = ui_desktop();
  if (!desktop) return;
  text_->when_ended(posts_.poster([this] { finish(); }));
  reading_ = desktop->read_clipboard_text(text_);
  if (!reading_) finish();
}

// The reading first: after it, nothing more is written or woken.
ClipboardPaste::~ClipboardPaste() { reading_.reset(); }

void ClipboardPaste::finish() {
  if (finished_) return;
  finished_ = true;
  if (text_->failed()) {
    failed_();
  } else if (text_->has_text()) {
    std::unique_ptr<TextStream::Reader> shown = text_->reader();
    replace_(std::move(shown), text_->reader());
  }
}

}  // namespace ambrel
