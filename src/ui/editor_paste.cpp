#include "ui/editor_paste.h"

#include <utility>

#include "ui/gadget_reports.h"
#include "ui/ui_backend.h"

namespace ambrel {

EditorPaste::EditorPaste(NativeHandle editor, std::unique_ptr<EditorInsertion> insertion)
    : editor_(editor),
      insertion_(std::move(insertion)),
      text_(TextStream::make({insertion_->piece_units(), 0})) {
  text_->when_ended(posts_.poster([this] { text_ended(); }));
  if (BackendDesktop* desktop = ui_desktop()) reading_ = desktop->read_clipboard_text(text_);
}

// The reading first: after it, nothing more is written or woken.
EditorPaste::~EditorPaste() { reading_.reset(); }

// Reported last: what the report runs may free the gadget, and this paste with it.
void EditorPaste::text_ended() {
  if (text_->failed()) {
    gadget_control_command(editor_, ControlCommand::PasteIncomplete);
    return;
  }
  turns_ = std::make_unique<PieceTurns>(
      text_->reader(), [this](std::u16string_view piece) { insertion_->insert(piece); }, [] {});
}

}  // namespace ambrel
