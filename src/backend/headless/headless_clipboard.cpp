// The headless clipboard: a text kept in memory, or another program's that the test sends; and
// the user's paste of it into an editor.

#include <mutex>
#include <utility>

#include "backend/headless/headless_backend.h"
#include "backend/headless/headless_kinds.h"

namespace ambrel {

// The text of the newest read, written while its reading lives.
struct HeadlessBackend::ClipboardOwner {
  std::mutex mutex;
  std::shared_ptr<TextStream> listener;

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

// A paste goes in at the end of the editor's text, as the user's change.
class HeadlessBackend::EditorEnd final : public EditorInsertion {
 public:
  EditorEnd(HeadlessBackend& backend, NativeHandle editor) : backend_(backend), editor_(editor) {}
  void insert(std::u16string_view text) override {
    Control* control = backend_.find_control(editor_);
    if (!control || text.empty()) return;
    control->text += text;
    if (backend_.sink_) backend_.sink_->on_control_command(editor_, ControlCommand::Change);
  }
  std::size_t piece_units() const override { return backend_.text_piece_size_; }

 private:
  HeadlessBackend& backend_;
  NativeHandle editor_;
};

bool HeadlessBackend::set_clipboard_text(std::u16string_view text) {
  clipboard_ = text;
  owner_ = nullptr;
  return true;
}

std::u16string HeadlessBackend::clipboard_text() const { return clipboard_; }

std::unique_ptr<ClipboardReading> HeadlessBackend::read_clipboard_text(
    const std::shared_ptr<TextStream>& text) {
  if (!owner_) return read_whole_clipboard_text(text);
  {
    std::lock_guard lock(owner_->mutex);
    owner_->listener = text;
  }
  return std::make_unique<OwnedClipboardReading>(owner_);
}

void HeadlessBackend::give_clipboard_to_owner() { owner_ = std::make_shared<ClipboardOwner>(); }

bool HeadlessBackend::clipboard_owner_sends(std::u16string_view text) {
  return owner_ && owner_->tell([text](TextStream& stream) { stream.append(text); });
}

bool HeadlessBackend::clipboard_owner_ends() {
  return owner_ && owner_->tell([](TextStream& stream) { stream.close(); });
}

bool HeadlessBackend::clipboard_owner_quits() {
  return owner_ && owner_->tell([](TextStream& stream) { stream.fail(); });
}

void HeadlessBackend::user_paste(NativeHandle editor) {
  if (insert_at_caret(editor) && sink_) sink_->on_editor_paste(editor);
}

std::unique_ptr<EditorInsertion> HeadlessBackend::insert_at_caret(NativeHandle editor) {
  Control* control = find_control(editor);
  if (!control || !headless_kind_of(tree_.kind(editor)).takes_typing || control->style.read_only ||
      !control->enabled) {
    return nullptr;
  }
  return std::make_unique<EditorEnd>(*this, editor);
}

}  // namespace ambrel
