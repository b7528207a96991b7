// The editor and the code editor: the multi-line edit control. It holds its text in one
// buffer with CR LF line ends, at about 3 bytes per character with its line table, and takes
// and gives text in time that grows with the text (the rich edit control holds hundreds of
// bytes per character under Wine, and deletes in time that grows faster than the text). Text
// the program sets or adds is never reported as the user's change: the backend ignores the
// control's notifications meanwhile.

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "ui/backend/crlf_piece_writer.h"
#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_family_controls.h"
#include "ui/backend/win32/win32_streamed_paste.h"
#include "ui/backend/win32/win32_text.h"

namespace ambrel {

namespace {

// The characters get reads from the control at a time.
constexpr std::size_t kReadSize = std::size_t{1} << 16;

DWORD editor_style(const ControlStyle& style) {
  DWORD bits = WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
  if (!style.word_wrap) bits |= WS_HSCROLL | ES_AUTOHSCROLL;
  if (style.read_only) bits |= ES_READONLY;
  return bits;
}

// The control's own buffer, read in place while it is locked.
class LockedText {
 public:
  explicit LockedText(HWND editor)
      : handle_(reinterpret_cast<HLOCAL>(SendMessageW(editor, EM_GETHANDLE, 0, 0))),
        text_(handle_ ? static_cast<const char16_t*>(LocalLock(handle_)) : nullptr) {}
  ~LockedText() {
    if (text_) LocalUnlock(handle_);
  }
  LockedText(const LockedText&) = delete;
  LockedText& operator=(const LockedText&) = delete;
  const char16_t* text() const { return text_; }

 private:
  HLOCAL handle_;
  const char16_t* text_;
};

// Slices copied from the control's buffer: each costs its own length, wherever it lies. The
// control is looked up for each slice, as it may go between two.
class EditorTextReader final : public ControlTextReader {
 public:
  explicit EditorTextReader(std::function<HWND()> editor) : editor_(std::move(editor)) {}

  bool read(std::size_t units, const TextPieceHandler& take) override {
    HWND editor = editor_();
    if (!editor) return false;
    auto length = static_cast<std::size_t>(std::max(GetWindowTextLengthW(editor), 0));
    if (at_ >= length) return false;
    std::size_t count = std::clamp<std::size_t>(units, 1, length - at_);
    {
      LockedText buffer(editor);
      if (!buffer.text()) return false;
      writer_.write(std::u16string_view(buffer.text() + at_, count), take);
    }
    writer_.flush(take);
    at_ += count;
    return true;
  }

 private:
  std::function<HWND()> editor_;
  std::size_t at_ = 0;
  CrLfPieceWriter writer_{false};
};

}  // namespace

HWND Win32Backend::make_editor(const ControlRequest& request, HWND parent) {
  const ControlStyle& style = request.style;
  HWND editor = family_child(L"Edit", u"", editor_style(style) | tab_stop_bit(style),
                             WS_EX_CLIENTEDGE, parent);
  if (!editor) return nullptr;
  SendMessageW(editor, EM_SETLIMITTEXT, 0, 0);  // as much as memory holds
  bool after_cr = false;
  SetWindowTextW(editor, control_lines(request.text, after_cr).c_str());
  return editor;
}

bool Win32Backend::editor_notice(const ControlNotice& notice) {
  if (notice.message != WM_COMMAND) return false;
  if (notice.code == EN_CHANGE) report_command(notice.source, ControlCommand::Change);
  return true;
}

std::u16string Win32Backend::editor_text(HWND editor) const {
  std::u16string text;
  EditorTextReader reader([editor] { return editor; });
  while (reader.read(kReadSize, [&text](std::u16string_view piece) { text += piece; })) {}
  return text;
}

std::unique_ptr<ControlTextReader> Win32Backend::editor_reader(NativeHandle editor) const {
  return std::make_unique<EditorTextReader>([this, editor] { return hwnd(editor); });
}

void Win32Backend::set_editor_text(ControlInfo& editor, std::u16string_view text) {
  control_destroyed(editor.hwnd);  // a paste into the old text ends with it
  editor.appended_cr = false;
  SetWindowTextW(editor.hwnd, control_lines(text, editor.appended_cr).c_str());
  SendMessageW(editor.hwnd, EM_EMPTYUNDOBUFFER, 0, 0);
  // The caret to the start and the view to the first line.
  SendMessageW(editor.hwnd, EM_SETSEL, 0, 0);
  SendMessageW(editor.hwnd, EM_SCROLLCARET, 0, 0);
}

bool Win32Backend::paste_in_parts(HWND hwnd) {
  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  if (!handle_of(hwnd) || !(style & ES_MULTILINE) || (style & ES_READONLY)) return false;
  streamed_paste_.reset();
  streamed_paste_ = std::make_unique<Win32StreamedPaste>(
      hwnd, *this, [this, hwnd] { report_command(hwnd, ControlCommand::PasteIncomplete); });
  return true;
}

void Win32Backend::control_destroyed(HWND hwnd) {
  if (streamed_paste_ && streamed_paste_->editor() == hwnd) streamed_paste_.reset();
}

// At the end, without an undo step; the user's selection and first line are put back before
// the control paints again.
void Win32Backend::append_editor_text(ControlInfo& editor, std::u16string_view text) {
  std::wstring lines = control_lines(text, editor.appended_cr);
  if (lines.empty()) return;
  HWND hwnd = editor.hwnd;
  DWORD start = 0, end = 0;
  SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  LRESULT first_line = SendMessageW(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
  int length = GetWindowTextLengthW(hwnd);
  SendMessageW(hwnd, EM_SETSEL, length, length);
  SendMessageW(hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(lines.c_str()));
  SendMessageW(hwnd, EM_SETSEL, start, end);
  LRESULT moved = SendMessageW(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0) - first_line;
  if (moved != 0) SendMessageW(hwnd, EM_LINESCROLL, 0, -moved);
  SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd, nullptr, FALSE);
}

}  // namespace ambrel
