#include "app/clipboard_paste.h"

#include <utility>

#include "app/shared_pieces.h"
#include "ui/ui_backend.h"

namespace ambrel {

ClipboardPaste::ClipboardPaste(Replace replace, std::function<void()> failed)
    : replace_(std::move(replace)),
      failed_(std::move(failed)),
      self_(std::make_shared<ClipboardPaste*>(this)) {
  BackendDesktop* desktop = ui_desktop();
  BackendEventPump* pump = ui_event_pump();
  if (!desktop || !pump) return;
  text_ = std::make_shared<ArrivingText>(kPieceUnits, [pump, weak = std::weak_ptr(self_)] {
    pump->post([weak] {
      if (std::shared_ptr<ClipboardPaste*> self = weak.lock(); self && *self) (*self)->finish();
    });
  });
  reading_ = desktop->read_clipboard_text(text_);
  if (!reading_) finish();
}

ClipboardPaste::~ClipboardPaste() {
  *self_ = nullptr;
  reading_.reset();
}

void ClipboardPaste::finish() {
  if (finished_) return;
  finished_ = true;
  if (text_->failed()) {
    failed_();
  } else if (text_->has_text()) {
    replace_(text_->shown_reader(), text_->declared_reader());
  }
}

}  // namespace ambrel
