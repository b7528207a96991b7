// The headless clipboard: a text kept in memory, or another program's that the test sends.

#include <mutex>
#include <utility>

#include "ui/backend/clipboard_arrivals.h"
#include "ui/backend/headless/headless_backend.h"
#include "ui/backend/headless/headless_kinds.h"

namespace ambrel {

// The sink of the newest read, heard while its reading lives.
struct HeadlessBackend::ClipboardOwner {
  std::mutex mutex;
  std::shared_ptr<ClipboardTextSink> listener;

  template <typename Tell>
  bool tell(const Tell& what) {
    std::lock_guard lock(mutex);
    if (listener) what(*listener);
    return listener != nullptr;
  }
};

class HeadlessBackend::OwnedClipboardReading final : public ClipboardReading {
 public:
  explicit OwnedClipboardReading(std::shared_ptr<ClipboardOwner> owner)
      : owner_(std::move(owner)) {}
  ~OwnedClipboardReading() override {
    std::lock_guard lock(owner_->mutex);
    owner_->listener = nullptr;
  }
  OwnedClipboardReading(const OwnedClipboardReading&) = delete;
  OwnedClipboardReading& operator=(const OwnedClipboardReading&) = delete;

 private:
  std::shared_ptr<ClipboardOwner> owner_;
};

struct HeadlessBackend::EditorPaste {
  NativeHandle editor;
  std::shared_ptr<ClipboardArrivals> arrivals;
  std::unique_ptr<ClipboardReading> reading;
};

bool HeadlessBackend::set_clipboard_text(std::u16string_view text) {
  clipboard_ = text;
  owner_ = nullptr;
  return true;
}

std::u16string HeadlessBackend::clipboard_text() const { return clipboard_; }

std::unique_ptr<ClipboardReading> HeadlessBackend::read_clipboard_text(
    const std::shared_ptr<ClipboardTextSink>& sink) {
  if (!owner_) return BackendDesktop::read_clipboard_text(sink);
  {
    std::lock_guard lock(owner_->mutex);
    owner_->listener = sink;
  }
  return std::make_unique<OwnedClipboardReading>(owner_);
}

void HeadlessBackend::give_clipboard_to_owner() { owner_ = std::make_shared<ClipboardOwner>(); }

bool HeadlessBackend::clipboard_owner_sends(std::u16string_view text) {
  return owner_ && owner_->tell([text](ClipboardTextSink& sink) { sink.add(text); });
}

bool HeadlessBackend::clipboard_owner_ends() {
  return owner_ && owner_->tell([](ClipboardTextSink& sink) { sink.end(); });
}

bool HeadlessBackend::clipboard_owner_quits() {
  return owner_ && owner_->tell([](ClipboardTextSink& sink) { sink.fail(); });
}

void HeadlessBackend::user_paste(NativeHandle editor) {
  Control* control = find_control(editor);
  if (!control || !headless_kind_of(tree_.kind(editor)).takes_typing || control->style.read_only ||
      !control->enabled) {
    return;
  }
  editor_paste_ = std::make_shared<EditorPaste>();
  editor_paste_->editor = editor;
  editor_paste_->arrivals =
      std::make_shared<ClipboardArrivals>([this, weak = std::weak_ptr(editor_paste_)] {
        post([this, weak] {
          if (std::shared_ptr<EditorPaste> paste = weak.lock()) take_paste(*paste);
        });
      });
  editor_paste_->reading = read_clipboard_text(editor_paste_->arrivals);
}

void HeadlessBackend::take_paste(const EditorPaste& paste) {
  Control* control = find_control(paste.editor);
  if (!control) return;
  std::u16string_view piece;
  bool changed = false;
  while (paste.arrivals->take(text_piece_size_, piece)) {
    control->text += piece;
    changed = changed || !piece.empty();
  }
  if (!sink_) return;
  if (paste.arrivals->failed()) {
    sink_->on_control_command(paste.editor, ControlCommand::PasteIncomplete);
  } else if (changed) {
    sink_->on_control_command(paste.editor, ControlCommand::Change);
  }
}

}  // namespace ambrel
