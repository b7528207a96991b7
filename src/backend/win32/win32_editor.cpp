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

#include "backend/control_text_readers.h"
#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_editor.h"
#include "backend/win32/win32_family_controls.h"
#include "backend/win32/win32_text.h"

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

HWND make_editor(const ControlRequest& request, HWND parent, Win32ControlRecord& control) {
  const ControlStyle& style = request.style;
  HWND editor = family_child(L"Edit", u"", editor_style(style) | tab_stop_bit(style),
                             WS_EX_CLIENTEDGE, parent);
  if (!editor) return nullptr;
  SendMessageW(editor, EM_SETLIMITTEXT, 0, 0);  // as much as memory holds
  bool after_cr = false;
  SetWindowTextW(editor, control_lines(request.text, after_cr).c_str());
  control.kind_state = EditorState{};
  return editor;
}

bool editor_notice(const ControlNotice& notice, Win32Backend& backend) {
  if (notice.message != WM_COMMAND) return false;
  if (notice.code == EN_CHANGE) backend.report_command(notice.source, ControlCommand::Change);
  return true;
}

std::u16string editor_text(HWND editor) {
  std::u16string text;
  EditorTextReader reader([editor] { return editor; });
  while (reader.read(kReadSize, [&text](std::u16string_view piece) { text += piece; })) {}
  return text;
}

std::unique_ptr<ControlTextReader> editor_reader(std::function<HWND()> editor) {
  return std::make_unique<EditorTextReader>(std::move(editor));
}

void set_editor_text(Win32ControlRecord& editor, std::u16string_view text) {
  bool appended_cr = false;
  SetWindowTextW(editor.hwnd, control_lines(text, appended_cr).c_str());
  if (auto* state = kind_state<EditorState>(editor)) state->appended_cr = appended_cr;
  SendMessageW(editor.hwnd, EM_EMPTYUNDOBUFFER, 0, 0);
  // The caret to the start and the view to the first line.
  SendMessageW(editor.hwnd, EM_SETSEL, 0, 0);
  SendMessageW(editor.hwnd, EM_SCROLLCARET, 0, 0);
}

bool Win32Backend::paste_in_parts(HWND hwnd) {
  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  NativeHandle editor = handle_of(hwnd);
  if (!editor || !(style & ES_MULTILINE) || (style & ES_READONLY)) return false;
  return sink_ && sink_->on_editor_paste(editor);
}

namespace {

struct Selection {
  DWORD start = 0;
  DWORD end = 0;
};

Selection selection_of(HWND editor) {
  Selection selection;
  SendMessageW(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
               reinterpret_cast<LPARAM>(&selection.end));
  return selection;
}

DWORD text_length(HWND editor) {
  return static_cast<DWORD>(std::max(GetWindowTextLengthW(editor), 0));
}

// A paste's text goes in where the caret was, each piece an undoable step. A caret at that
// place follows the text; any other selection and the view stay where the user has them.
// The control takes a large text at 1-2 s per MB under Wine: pieces are small.
class CaretInsertion final : public EditorInsertion {
 public:
  // Units of the clipboard's text at a time (a line end among them becomes two in the control).
  static constexpr std::size_t kInsertUnits = std::size_t{1} << 14;

  CaretInsertion(const Win32Backend& backend, NativeHandle editor)
      : backend_(backend), editor_(editor) {}

  void insert(std::u16string_view piece) override {
    std::wstring text = control_lines(piece, after_cr_);
    HWND editor = backend_.hwnd(editor_);
    if (!editor || text.empty()) return;
    if (first_) return insert_first(editor, text);
    Selection selection = selection_of(editor);
    follow_user_edits(editor, selection);
    bool caret_follows = selection.start == position_ && selection.end == position_;
    LRESULT first_line = SendMessageW(editor, EM_GETFIRSTVISIBLELINE, 0, 0);
    SendMessageW(editor, WM_SETREDRAW, FALSE, 0);
    SendMessageW(editor, EM_SETSEL, position_, position_);
    SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    auto added = static_cast<DWORD>(text.size());
    if (caret_follows) {
      selection = {position_ + added, position_ + added};
    } else {
      if (selection.start >= position_) selection.start += added;
      if (selection.end >= position_) selection.end += added;
    }
    position_ += added;
    SendMessageW(editor, EM_SETSEL, selection.start, selection.end);
    if (!caret_follows) {
      LRESULT moved = SendMessageW(editor, EM_GETFIRSTVISIBLELINE, 0, 0) - first_line;
      if (moved != 0) SendMessageW(editor, EM_LINESCROLL, 0, -moved);
    }
    SendMessageW(editor, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(editor, nullptr, FALSE);
    length_ = text_length(editor);
  }
  std::size_t piece_units() const override { return kInsertUnits; }

 private:
  // The first piece replaces the selection.
  void insert_first(HWND editor, const std::wstring& text) {
    first_ = false;
    position_ = selection_of(editor).start;
    SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    position_ += static_cast<DWORD>(text.size());
    length_ = text_length(editor);
  }

  // The user's typing since the last insertion moved the paste's place when it was before it
  // (the caret then ends up before the place moved by what was typed).
  void follow_user_edits(HWND editor, Selection selection) {
    DWORD now = text_length(editor);
    if (now == length_) return;
    auto change = static_cast<long long>(now) - static_cast<long long>(length_);
    if (static_cast<long long>(selection.start) <= static_cast<long long>(position_) + change) {
      position_ = static_cast<DWORD>(std::max<long long>(0, position_ + change));
    }
    position_ = std::min(position_, now);
    length_ = now;
  }

  const Win32Backend& backend_;
  NativeHandle editor_;
  bool after_cr_ = false;  // the last piece inserted ended with a CR
  bool first_ = true;
  DWORD position_ = 0;  // where the next text goes
  DWORD length_ = 0;    // the control's length after the last insertion
};

}  // namespace

std::unique_ptr<EditorInsertion> Win32Backend::insert_at_caret(NativeHandle editor) {
  HWND hwnd = this->hwnd(editor);
  LONG_PTR style = hwnd ? GetWindowLongPtrW(hwnd, GWL_STYLE) : 0;
  if (!(style & ES_MULTILINE) || (style & ES_READONLY)) return nullptr;
  return std::make_unique<CaretInsertion>(*this, editor);
}

// At the end, without an undo step; the user's selection and first line are put back before
// the control paints again.
void append_editor_text(Win32ControlRecord& editor, std::u16string_view text) {
  auto* state = kind_state<EditorState>(editor);
  if (!state) return;
  std::wstring lines = control_lines(text, state->appended_cr);
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
