// The editor and the code editor: Scintilla, in UTF-8 with CR LF line ends, plain text in a
// document that keeps no styles. It holds its text in one gap buffer at one byte per byte
// with a line index, and takes and gives text in time that grows with the text (the edit
// control takes a large text at 1-2 s per MB under Wine, the rich edit control holds hundreds
// of bytes per character). Positions are bytes. Text the program sets or adds is never
// reported as the user's change: the backend ignores the control's notifications meanwhile.

#include "backend/win32/win32_editor.h"

#include <windows.h>

#include <Scintilla.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <utility>

#include "backend/control_text_readers.h"
#include "backend/editor_room.h"
#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_family_controls.h"
#include "backend/win32/win32_text.h"
#include "support/unicode_text.h"
#include "support/utf8_sequence.h"

namespace ambrel {

namespace {

// The bytes get reads from the control at a time.
constexpr std::size_t kReadSize = std::size_t{1} << 16;
// The longest UTF-8 sequence less its first byte.
constexpr std::size_t kMostTrailBytes = 3;
// The window property that holds the font the editor was given (WM_GETFONT answers it).
constexpr wchar_t kFontProperty[] = L"ambrel.editor.font";
constexpr UINT_PTR kEditorSubclass = 2;
// The timer that ends a wait of the paints; Scintilla's own timers are numbered below.
constexpr UINT_PTR kPaintHoldTimer = 0xA3B0;

LRESULT sci(HWND editor, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return SendMessageW(editor, message, wparam, lparam);
}

std::size_t length_of(HWND editor) {
  return static_cast<std::size_t>(std::max<LRESULT>(sci(editor, SCI_GETLENGTH), 0));
}

// Program changes go in whatever the user may do: a read-only editor takes them too, and
// nothing of them can be undone.
class ProgramChange {
 public:
  explicit ProgramChange(HWND editor) : editor_(editor), read_only_(editor_read_only(editor)) {
    if (read_only_) sci(editor_, SCI_SETREADONLY, 0);
    sci(editor_, SCI_SETUNDOCOLLECTION, 0);
  }
  ~ProgramChange() {
    sci(editor_, SCI_SETUNDOCOLLECTION, 1);
    if (read_only_) sci(editor_, SCI_SETREADONLY, 1);
  }
  ProgramChange(const ProgramChange&) = delete;
  ProgramChange& operator=(const ProgramChange&) = delete;

 private:
  HWND editor_;
  bool read_only_;
};

// Slices of the control's buffer, read in place, each ending after a whole character: each
// costs its own length, wherever it lies. The control is looked up for each slice, as it may
// go between two.
class EditorTextReader final : public ControlTextReader {
 public:
  explicit EditorTextReader(std::function<HWND()> editor) : editor_(std::move(editor)) {}

  bool read(std::size_t units, const TextPieceHandler& take) override {
    HWND editor = editor_();
    if (!editor) return false;
    std::size_t length = length_of(editor);
    if (at_ >= length) return false;
    std::size_t count = std::clamp<std::size_t>(units, 1, length - at_);
    std::size_t reach = std::min(length - at_, count + kMostTrailBytes);
    const auto* bytes = reinterpret_cast<const char*>(
        sci(editor, SCI_GETRANGEPOINTER, at_, static_cast<LPARAM>(reach)));
    if (!bytes) return false;
    while (count < reach && is_utf8_continuation(bytes[count])) ++count;
    slice_.clear();
    append_utf8_as_utf16(std::string_view(bytes, count), slice_);
    writer_.write(slice_, take);
    writer_.flush(take);
    at_ += count;
    return true;
  }

 private:
  std::function<HWND()> editor_;
  std::size_t at_ = 0;  // in bytes
  std::u16string slice_;
  CrLfPieceWriter writer_{false};
};

// The face the system draws `font` in: a face the system lacks stands for another, which
// Scintilla, given only the name, would not choose alike.
std::string drawn_face(HWND editor, HFONT font) {
  HDC dc = GetDC(editor);
  HGDIOBJ previous = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = L"";
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, previous);
  ReleaseDC(editor, dc);
  return utf16_to_utf8(from_wide(face));
}

// The font in points at the editor's density, which Scintilla is told: the text is drawn in
// the font's own pixels, and the caret as wide as a line of the system's at that density.
void apply_font(HWND editor, HFONT font, int dpi) {
  LOGFONTW face{};
  if (!font || !GetObjectW(font, sizeof(face), &face)) return;
  SetPropW(editor, kFontProperty, font);
  sci(editor, WM_DPICHANGED, MAKEWPARAM(dpi, dpi));
  std::string name = drawn_face(editor, font);
  sci(editor, SCI_STYLESETFONT, STYLE_DEFAULT, reinterpret_cast<LPARAM>(name.c_str()));
  int pixels = face.lfHeight < 0 ? -face.lfHeight : face.lfHeight;
  sci(editor, SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT,
      MulDiv(pixels, 72 * SC_FONT_SIZE_MULTIPLIER, dpi));
  sci(editor, SCI_STYLESETWEIGHT, STYLE_DEFAULT, face.lfWeight ? face.lfWeight : FW_NORMAL);
  sci(editor, SCI_STYLESETCHARACTERSET, STYLE_DEFAULT, face.lfCharSet);
  // In a fixed-width font, runs of ASCII are laid out by counting, not measuring: a line of
  // megabytes is then drawn in time.
  sci(editor, SCI_STYLESETCHECKMONOSPACED, STYLE_DEFAULT, 1);
  sci(editor, SCI_STYLECLEARALL);
  sci(editor, SCI_SETCARETWIDTH, std::max(1, (dpi + 48) / 96));
}

// Ctrl+V and Shift+Insert paste through WM_PASTE, which the ui layer may take.
bool is_paste_key(WPARAM key) {
  bool control = GetKeyState(VK_CONTROL) < 0;
  bool shift = GetKeyState(VK_SHIFT) < 0;
  bool alt = GetKeyState(VK_MENU) < 0;
  if (alt) return false;
  return (key == 'V' && control) || (key == VK_INSERT && shift && !control);
}

// While the program's text keeps coming, paints wait as PaintPacing says. (Not by
// WM_SETREDRAW, which would show an editor hidden during the wait once it ends.)
void hold_costly_paints(HWND editor, PaintPacing& pacing) {
  std::chrono::milliseconds wait = pacing.wait_after_text();
  if (wait.count() == 0) return;
  SetTimer(editor, kPaintHoldTimer, static_cast<UINT>(wait.count()), nullptr);
}

// Ends a wait: the editor is drawn whole once.
void release_paints(HWND editor, PaintPacing& pacing) {
  if (!pacing.waiting()) return;
  KillTimer(editor, kPaintHoldTimer);
  pacing.released();
  InvalidateRect(editor, nullptr, FALSE);
}

// A paint during a wait only takes what it was to draw as owed, for the wait's end to draw.
LRESULT paced_paint(HWND hwnd, WPARAM wparam, LPARAM lparam, PaintPacing* pacing) {
  if (pacing && pacing->waiting()) {
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    EndPaint(hwnd, &paint);
    return 0;
  }
  auto start = std::chrono::steady_clock::now();
  LRESULT result = DefSubclassProc(hwnd, WM_PAINT, wparam, lparam);
  if (pacing) pacing->painted(std::chrono::steady_clock::now() - start);
  return result;
}

LRESULT CALLBACK editor_subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                 DWORD_PTR data) {
  auto& backend = *reinterpret_cast<Win32Backend*>(data);
  switch (message) {
    case WM_PAINT:
      return paced_paint(hwnd, wparam, lparam, backend.editor_pacing(hwnd));
    case WM_TIMER:
      if (wparam != kPaintHoldTimer) break;
      if (PaintPacing* pacing = backend.editor_pacing(hwnd)) release_paints(hwnd, *pacing);
      return 0;
    case WM_SETFONT:
      apply_font(hwnd, reinterpret_cast<HFONT>(wparam),
                 backend.scale_of(backend.handle_of(hwnd)).dpi());
      if (LOWORD(lparam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(GetPropW(hwnd, kFontProperty));
    case WM_KEYDOWN:
      if (is_paste_key(wparam)) {
        SendMessageW(hwnd, WM_PASTE, 0, 0);
        return 0;
      }
      break;
    case WM_CHAR:
      // As in the edit control, a key with Control types no control character.
      if (wparam < 0x20 || wparam == 0x7F) return 0;
      break;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lparam) == OBJID_CLIENT)
        return editor_accessible_object(hwnd, backend.label_before(hwnd), wparam);
      break;
    case WM_NCDESTROY:
      RemovePropW(hwnd, kFontProperty);
      RemoveWindowSubclass(hwnd, editor_subclass, kEditorSubclass);
      break;
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

// Keys of Scintilla's own that no Windows edit control has, taken out: line cut, copy,
// delete and transpose, duplicate, case changes, zoom and the overtype toggle.
void keep_windows_keys(HWND editor) {
  constexpr int kControl = SCMOD_CTRL << 16;
  constexpr int kControlShift = (SCMOD_CTRL | SCMOD_SHIFT) << 16;
  constexpr int kKeys[] = {
      'L' | kControl,          'L' | kControlShift,   'T' | kControl,      'T' | kControlShift,
      'D' | kControl,          'U' | kControl,        'U' | kControlShift, SCK_ADD | kControl,
      SCK_SUBTRACT | kControl, SCK_DIVIDE | kControl, SCK_INSERT,
  };
  for (int key : kKeys) sci(editor, SCI_CLEARCMDKEY, static_cast<WPARAM>(key));
}

// Plain text: a document without styles, no margins, nothing drawn for line ends or
// whitespace; the scroll bar as wide as the widest line shown so far.
void set_up_plain_text(HWND editor, const ControlStyle& style) {
  LRESULT document = sci(editor, SCI_CREATEDOCUMENT, 0, SC_DOCUMENTOPTION_STYLES_NONE);
  sci(editor, SCI_SETDOCPOINTER, 0, document);
  sci(editor, SCI_RELEASEDOCUMENT, 0, document);
  sci(editor, SCI_SETCODEPAGE, SC_CP_UTF8);
  sci(editor, SCI_SETEOLMODE, SC_EOL_CRLF);
  for (int margin = 0; margin < SC_MAX_MARGIN; ++margin)
    sci(editor, SCI_SETMARGINWIDTHN, static_cast<WPARAM>(margin), 0);
  sci(editor, SCI_SETSCROLLWIDTHTRACKING, 1);
  sci(editor, SCI_SETWRAPMODE, style.word_wrap ? SC_WRAP_WORD : SC_WRAP_NONE);
  sci(editor, SCI_SETREADONLY, style.read_only ? 1 : 0);
  // A change of the text is WM_COMMAND's SCEN_CHANGE, which Scintilla sends only for the
  // modifications its mask asks to be told of.
  sci(editor, SCI_SETMODEVENTMASK, SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT);
  sci(editor, SCI_USEPOPUP, SC_POPUP_NEVER);
  keep_windows_keys(editor);
}

// The text set whole, the caret at the start and the view at the first line, nothing to undo;
// the scroll width follows the new text's lines, not the old's.
void put_text(HWND editor, const std::string& bytes) {
  ProgramChange change(editor);
  sci(editor, SCI_CLEARALL);
  sci(editor, SCI_SETSCROLLWIDTH, 1);
  sci(editor, SCI_ALLOCATE, bytes.size() + 1);
  sci(editor, SCI_APPENDTEXT, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
  sci(editor, SCI_EMPTYUNDOBUFFER);
  sci(editor, SCI_GOTOPOS, 0);
}

}  // namespace

std::string EditorBytes::convert(std::u16string_view piece) {
  std::wstring lines;
  if (high_surrogate_) lines += static_cast<wchar_t>(high_surrogate_);
  high_surrogate_ = 0;
  lines += control_lines(piece, after_cr_);
  if (!lines.empty() && IS_HIGH_SURROGATE(lines.back())) {
    high_surrogate_ = static_cast<char16_t>(lines.back());
    lines.pop_back();
  }
  return utf16_to_utf8({reinterpret_cast<const char16_t*>(lines.data()), lines.size()});
}

bool register_editor_class() { return Scintilla_RegisterClasses(GetModuleHandleW(nullptr)) != 0; }

HWND make_editor(const ControlRequest& request, HWND parent, Win32ControlRecord& control,
                 Win32Backend& backend) {
  const ControlStyle& style = request.style;
  DWORD scroll_bars = WS_VSCROLL | (style.word_wrap ? 0 : WS_HSCROLL);
  HWND editor =
      family_child(L"Scintilla", u"", scroll_bars | tab_stop_bit(style), WS_EX_CLIENTEDGE, parent);
  if (!editor) return nullptr;
  // Drops onto the editor are the window's (win32_drops.cpp), not Scintilla's.
  RevokeDragDrop(editor);
  set_up_plain_text(editor, style);
  SetWindowSubclass(editor, editor_subclass, kEditorSubclass,
                    reinterpret_cast<DWORD_PTR>(&backend));
  put_text(editor, EditorBytes().convert(request.text));
  EditorState state;
  state.append_at = length_of(editor);
  control.kind_state = std::move(state);
  return editor;
}

namespace {

// A blinking caret has its line drawn again twice a second, and Scintilla draws a line in
// time that grows with its length: on a line of megabytes the caret stays, or the window
// would do little else.
void steady_caret_on_long_lines(HWND editor) {
  constexpr LRESULT kLongLine = LRESULT{1} << 20;
  LRESULT line =
      sci(editor, SCI_LINEFROMPOSITION, static_cast<WPARAM>(sci(editor, SCI_GETCURRENTPOS)));
  bool long_line = sci(editor, SCI_LINELENGTH, static_cast<WPARAM>(line)) > kLongLine;
  UINT period = long_line ? 0 : GetCaretBlinkTime();
  if (sci(editor, SCI_GETCARETPERIOD) != static_cast<LRESULT>(period))
    sci(editor, SCI_SETCARETPERIOD, period);
}

}  // namespace

bool editor_notice(const ControlNotice& notice, Win32Backend& backend) {
  if (notice.message == WM_NOTIFY && notice.code == SCN_UPDATEUI)
    steady_caret_on_long_lines(notice.source);
  if (notice.message == WM_NOTIFY && notice.code == SCN_MODIFIED) {
    const auto& change = *reinterpret_cast<const SCNotification*>(notice.detail);
    bool inserted = (change.modificationType & SC_MOD_INSERTTEXT) != 0;
    backend.editor_text_changed(notice.control, change.position,
                                inserted ? change.length : -change.length);
  }
  if (notice.message != WM_COMMAND) return false;
  if (notice.code == SCEN_CHANGE) backend.report_command(notice.source, ControlCommand::Change);
  return true;
}

bool editor_read_only(HWND editor) { return sci(editor, SCI_GETREADONLY) != 0; }

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
  auto* state = kind_state<EditorState>(editor);
  if (!state) return;
  state->appended = EditorBytes();
  release_paints(editor.hwnd, state->pacing);  // a new text is shown at once
  put_text(editor.hwnd, state->appended.convert(text));
  state->append_at = length_of(editor.hwnd);
}

// A change before the place of the program's next text moves it; one at that place or after
// it is the user's text after the program's.
void Win32Backend::editor_text_changed(NativeHandle editor, std::ptrdiff_t position,
                                       std::ptrdiff_t change) {
  Win32ControlRecord* control = find_control(editor);
  auto* state = control ? kind_state<EditorState>(*control) : nullptr;
  if (!state || position < 0 || static_cast<std::size_t>(position) >= state->append_at) return;
  auto place = static_cast<std::ptrdiff_t>(state->append_at);
  state->append_at = static_cast<std::size_t>(std::max(position, place + change));
}

PaintPacing* Win32Backend::editor_pacing(HWND hwnd) {
  Win32ControlRecord* control = find_control(handle_of(hwnd));
  auto* state = control ? kind_state<EditorState>(*control) : nullptr;
  return state ? &state->pacing : nullptr;
}

bool Win32Backend::paste_in_parts(HWND hwnd) {
  NativeHandle editor = handle_of(hwnd);
  Win32ControlRecord* control = find_control(editor);
  if (!control || !kind_state<EditorState>(*control) || editor_read_only(hwnd)) return false;
  return sink_ && sink_->on_editor_paste(editor);
}

namespace {

// Where the selection's ends are: the anchor and the caret, in bytes.
struct Selection {
  std::size_t anchor = 0;
  std::size_t caret = 0;
};

Selection selection_of(HWND editor) {
  return {static_cast<std::size_t>(sci(editor, SCI_GETANCHOR)),
          static_cast<std::size_t>(sci(editor, SCI_GETCURRENTPOS))};
}

// The selection and the view put back after text went in at the end or before them.
class KeptView {
 public:
  explicit KeptView(HWND editor)
      : editor_(editor),
        first_line_(sci(editor, SCI_GETFIRSTVISIBLELINE)),
        x_offset_(sci(editor, SCI_GETXOFFSET)) {}
  void restore(Selection selection) const {
    sci(editor_, SCI_SETSELECTION, selection.caret, static_cast<LPARAM>(selection.anchor));
    sci(editor_, SCI_SETFIRSTVISIBLELINE, static_cast<WPARAM>(first_line_));
    sci(editor_, SCI_SETXOFFSET, static_cast<WPARAM>(x_offset_));
  }

 private:
  HWND editor_;
  LRESULT first_line_;
  LRESULT x_offset_;
};

// `bytes`, NULs and all, in at `position` as the user's typing goes in: an insertion right
// after the one before joins its undo step. The caret ends after it.
void insert_at(HWND editor, std::size_t position, const std::string& bytes) {
  sci(editor, SCI_SETEMPTYSELECTION, position);
  sci(editor, SCI_ADDTEXT, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
}

// A paste's text goes in where the caret was, all its pieces one undo step (but for the
// selection it replaced, which is a step of its own). A caret at that place follows the text
// and the view follows it; any other selection and the view stay where the user has them.
class CaretInsertion final : public EditorInsertion {
 public:
  // Units of the clipboard's text at a time.
  static constexpr std::size_t kInsertUnits = std::size_t{1} << 16;

  CaretInsertion(const Win32Backend& backend, NativeHandle editor)
      : backend_(backend), editor_(editor) {}

  void insert(std::u16string_view piece) override {
    std::string bytes = bytes_.convert(piece);
    HWND editor = backend_.hwnd(editor_);
    if (!editor || bytes.empty()) return;
    if (first_) return insert_first(editor, bytes);
    Selection selection = selection_of(editor);
    follow_user_edits(editor, selection);
    bool caret_follows = selection.anchor == position_ && selection.caret == position_;
    KeptView view(editor);
    insert_at(editor, position_, bytes);
    std::size_t added = bytes.size();
    if (caret_follows) {
      sci(editor, SCI_SCROLLCARET);
    } else {
      if (selection.anchor >= position_) selection.anchor += added;
      if (selection.caret >= position_) selection.caret += added;
      view.restore(selection);
    }
    position_ += added;
    length_ = length_of(editor);
  }
  std::size_t piece_units() const override { return kInsertUnits; }

 private:
  // The first piece replaces the selection.
  void insert_first(HWND editor, const std::string& bytes) {
    first_ = false;
    position_ = static_cast<std::size_t>(sci(editor, SCI_GETSELECTIONSTART));
    auto end = static_cast<std::size_t>(sci(editor, SCI_GETSELECTIONEND));
    if (end > position_)
      sci(editor, SCI_DELETERANGE, position_, static_cast<LPARAM>(end - position_));
    insert_at(editor, position_, bytes);
    sci(editor, SCI_SCROLLCARET);
    position_ += bytes.size();
    length_ = length_of(editor);
  }

  // The user's typing since the last insertion moved the paste's place when it was before it
  // (the caret then ends up before the place moved by what was typed).
  void follow_user_edits(HWND editor, Selection selection) {
    std::size_t now = length_of(editor);
    if (now == length_) return;
    auto change = static_cast<long long>(now) - static_cast<long long>(length_);
    auto start = static_cast<long long>(std::min(selection.anchor, selection.caret));
    if (start <= static_cast<long long>(position_) + change) {
      position_ = static_cast<std::size_t>(
          std::max<long long>(0, static_cast<long long>(position_) + change));
    }
    position_ = std::min(position_, now);
    length_ = now;
  }

  const Win32Backend& backend_;
  NativeHandle editor_;
  EditorBytes bytes_;
  bool first_ = true;
  std::size_t position_ = 0;  // where the next text goes
  std::size_t length_ = 0;    // the control's length after the last insertion
};

}  // namespace

std::unique_ptr<EditorInsertion> Win32Backend::insert_at_caret(NativeHandle editor) {
  const Win32ControlRecord* control = find_control(editor);
  if (!control || !kind_state<EditorState>(*control) || editor_read_only(control->hwnd))
    return nullptr;
  return std::make_unique<CaretInsertion>(*this, editor);
}

// After what the program added before, without an undo step; Scintilla keeps the user's
// selection and view. What the user typed at the end of a text still arriving stays at its
// end, and a caret the user put there (Ctrl+End during a load) stays there too, where typing
// is then expected to go; a text that began empty holds its caret at the start. The user's
// steps after the place could no longer be undone where they were made: they are dropped.
void append_editor_text(Win32ControlRecord& editor, std::u16string_view text) {
  auto* state = kind_state<EditorState>(editor);
  if (!state) return;
  std::string bytes = state->appended.convert(text);
  if (bytes.empty()) return;
  HWND hwnd = editor.hwnd;
  std::size_t length = length_of(hwnd);
  std::size_t place = std::min(state->append_at, length);
  Selection selection = selection_of(hwnd);
  bool caret_follows = place > 0 && selection.anchor == place && selection.caret == place;
  {
    ProgramChange change(hwnd);
    sci(hwnd, SCI_SETTARGETRANGE, place, static_cast<LPARAM>(place));
    sci(hwnd, SCI_REPLACETARGET, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
  }
  if (place < length) sci(hwnd, SCI_EMPTYUNDOBUFFER);
  state->append_at = place + bytes.size();
  if (caret_follows) sci(hwnd, SCI_SETEMPTYSELECTION, state->append_at);
  hold_costly_paints(hwnd, state->pacing);
}

void reserve_editor_text(const Win32ControlRecord& editor, std::uint64_t units) {
  if (std::size_t bytes = editor_room_bytes(length_of(editor.hwnd), units)) {
    sci(editor.hwnd, SCI_ALLOCATE, bytes);
  }
}

}  // namespace ambrel
