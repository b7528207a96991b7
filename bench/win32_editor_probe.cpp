// Which ways of putting a large text into the rich edit control (Msftedit's, in plain-text
// mode), into the plain multi-line EDIT control and into Scintilla (UTF-8, no styles), and of
// getting it back out and clearing it, scale with the text. Every way runs at 100 KB, 300 KB,
// 1, 10 and 50 MB of catalogue XML (the "-line" cases on the same text without line ends),
// each in a child process of its own that is ended when it overruns the limit, and prints its
// time and the memory it needs beyond the text (peak working set, and what stays held).
//
//   bench_win32_editor_probe [--limit SECONDS] [--memory-cap MIB] [--sizes KB,...]
//                            [--cases NAME,...]
//
// Built with MinGW-w64 and run under Wine (bench/win32_editor_probe.sh starts a display).

#include <windows.h>
#include <psapi.h>
#include <richedit.h>

#include <Scintilla.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "catalogue_text.h"
#include "probe_table.h"

namespace {

constexpr std::size_t kPieceSize = 64 * 1024;  // characters per piece where text goes in pieces
constexpr int kRangeSize = 32 * 1024;          // characters per EM_GETTEXTRANGE

double now_seconds() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string utf8_of(std::wstring_view wide) {
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

std::wstring wide_of(std::string_view utf8) {
  int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

// Lone CR (the control's paragraph end), LF and CR LF all become CR LF.
std::wstring crlf_of(const std::wstring& text) {
  std::wstring result;
  result.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      result += L"\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

// --- The control, as the backend makes it, in a shown window.

struct Editor {
  HWND window = nullptr;
  HWND control = nullptr;
};

HFONT fixed_font() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  LOGFONTW font = metrics.lfMessageFont;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::wcsncpy(font.lfFaceName, L"Consolas", LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

// The controls the editor can be: Msftedit's rich edit in plain-text mode, the plain
// multi-line EDIT control, or Scintilla.
enum class Control {
  RichEdit,
  Edit,
  Scintilla,
  ScintillaStyled,
  ScintillaDirectWrite,
  ScintillaMeasured
};

HWND make_rich_edit(HWND window, bool limit_text) {
  RECT client;
  GetClientRect(window, &client);
  HWND control = CreateWindowExW(
      WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"",
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
          ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL | ES_NOOLEDRAGDROP,
      0, 0, client.right, client.bottom, window, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
  if (limit_text) SendMessageW(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fixed_font()), FALSE);
  SendMessageW(control, EM_SETTARGETDEVICE, 0, 1);  // no wrapping
  SendMessageW(control, EM_SETEVENTMASK, 0, ENM_CHANGE);
  return control;
}

HWND make_edit(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  HWND control = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT", L"",
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
          ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
      0, 0, client.right, client.bottom, window, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // as much as memory holds
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fixed_font()), FALSE);
  return control;
}

// The face the system draws fixed_font() in (Scintilla takes a face name, not a font).
std::string fixed_face() {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, fixed_font());
  wchar_t face[LF_FACESIZE] = L"";
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return utf8_of(face);
}

LRESULT sci(HWND control, unsigned message, WPARAM w = 0, LPARAM l = 0) {
  return SendMessageW(control, message, w, l);
}

// UTF-8, CR LF line ends, no margins, the fixed font; without `styled`, a document that keeps
// no style byte per text byte; with `monospaced`, ASCII measured as the fixed font's cells.
HWND make_scintilla(HWND window, bool styled, int technology, bool monospaced = true) {
  Scintilla_RegisterClasses(GetModuleHandleW(nullptr));
  RECT client;
  GetClientRect(window, &client);
  HWND control = CreateWindowExW(WS_EX_CLIENTEDGE, L"Scintilla", L"",
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL,
                                 0, 0, client.right, client.bottom, window, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  if (!styled) {
    auto document = sci(control, SCI_CREATEDOCUMENT, 0, SC_DOCUMENTOPTION_STYLES_NONE);
    sci(control, SCI_SETDOCPOINTER, 0, document);
    sci(control, SCI_RELEASEDOCUMENT, 0, document);
  }
  sci(control, SCI_SETTECHNOLOGY, static_cast<WPARAM>(technology));
  sci(control, SCI_SETCODEPAGE, SC_CP_UTF8);
  sci(control, SCI_SETEOLMODE, SC_EOL_CRLF);
  for (int margin = 0; margin < 5; ++margin) sci(control, SCI_SETMARGINWIDTHN, margin, 0);
  std::string face = fixed_face();
  sci(control, SCI_STYLESETFONT, STYLE_DEFAULT, reinterpret_cast<LPARAM>(face.c_str()));
  sci(control, SCI_STYLESETCHECKMONOSPACED, STYLE_DEFAULT, monospaced ? 1 : 0);
  sci(control, SCI_STYLECLEARALL);
  return control;
}

HWND make_control(HWND window, Control kind, bool limit_text) {
  switch (kind) {
    case Control::Edit:
      return make_edit(window);
    case Control::RichEdit:
      return make_rich_edit(window, limit_text);
    case Control::Scintilla:
      return make_scintilla(window, false, SC_TECHNOLOGY_DEFAULT);
    case Control::ScintillaStyled:
      return make_scintilla(window, true, SC_TECHNOLOGY_DEFAULT);
    case Control::ScintillaDirectWrite:
      return make_scintilla(window, false, SC_TECHNOLOGY_DIRECTWRITE);
    case Control::ScintillaMeasured:
      return make_scintilla(window, false, SC_TECHNOLOGY_DEFAULT, false);
  }
  return nullptr;
}

Editor make_editor(Control kind, bool limit_text) {
  LoadLibraryW(L"Msftedit.dll");
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"probe_window";
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  RegisterClassW(&window_class);
  Editor editor;
  editor.window = CreateWindowExW(0, L"probe_window", L"rich edit probe", WS_OVERLAPPEDWINDOW, 0, 0,
                                  900, 700, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  editor.control = make_control(editor.window, kind, limit_text);
  ShowWindow(editor.window, SW_SHOW);
  return editor;
}

// Lets the control handle what is queued and paint; its time.
double show(const Editor& editor) {
  double start = now_seconds();
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  InvalidateRect(editor.control, nullptr, TRUE);
  UpdateWindow(editor.control);
  return now_seconds() - start;
}

bool is_plain_edit(HWND control) {
  wchar_t name[16] = L"";
  GetClassNameW(control, name, 16);
  return _wcsicmp(name, L"Edit") == 0;
}

bool is_scintilla(HWND control) {
  wchar_t name[16] = L"";
  GetClassNameW(control, name, 16);
  return std::wcscmp(name, L"Scintilla") == 0;
}

// Scintilla's are bytes of UTF-8.
long held_characters(HWND control) {
  if (is_scintilla(control)) return static_cast<long>(sci(control, SCI_GETLENGTH));
  if (is_plain_edit(control))
    return static_cast<long>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
  GETTEXTLENGTHEX request{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<long>(
      SendMessageW(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

// --- Ways in.

struct Source {
  const wchar_t* text;
  std::size_t size;  // characters
  std::size_t at = 0;
};

// Hands the control as many bytes as it asks for, but never a CR without the LF after it:
// the control takes a CR LF split between two buffers for two line ends.
DWORD CALLBACK give_text(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto& source = *reinterpret_cast<Source*>(cookie);
  std::size_t characters = std::min(source.size - source.at, static_cast<std::size_t>(wanted) / 2);
  if (characters > 1 && source.text[source.at + characters - 1] == L'\r') --characters;
  std::memcpy(buffer, source.text + source.at, characters * 2);
  source.at += characters;
  *given = static_cast<LONG>(characters * 2);
  return 0;
}

void stream_in(HWND control, const wchar_t* text, std::size_t size, WPARAM flags) {
  Source source{text, size};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, give_text};
  SendMessageW(control, EM_STREAMIN, flags, reinterpret_cast<LPARAM>(&stream));
}

void stream_in_whole(HWND control, const std::wstring& text) {
  stream_in(control, text.data(), text.size(), SF_TEXT | SF_UNICODE);
}

void set_text_ex(HWND control, const std::wstring& text) {
  SETTEXTEX request{ST_DEFAULT | ST_UNICODE, 1200};
  SendMessageW(control, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&request),
               reinterpret_cast<LPARAM>(text.c_str()));
}

// Pieces of about kPieceSize that end after a line end.
std::vector<std::wstring_view> pieces_of(const std::wstring& text,
                                         std::size_t piece_size = kPieceSize) {
  std::vector<std::wstring_view> pieces;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L'\n', std::min(start + piece_size, text.size()) - 1);
    end = end == std::wstring::npos ? text.size() : end + 1;
    pieces.push_back(std::wstring_view(text).substr(start, end - start));
    start = end;
  }
  return pieces;
}

void caret_to_end(HWND control) {
  LPARAM end = held_characters(control);
  if (is_scintilla(control)) {
    sci(control, SCI_GOTOPOS, static_cast<WPARAM>(end));
    return;
  }
  SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(end), end);
}

// Each piece streamed in at the end, as a load spread over the event loop's turns would.
void stream_in_appending(HWND control, const std::wstring& text) {
  for (std::wstring_view piece : pieces_of(text)) {
    caret_to_end(control);
    stream_in(control, piece.data(), piece.size(), SF_TEXT | SF_UNICODE | SFF_SELECTION);
  }
}

void replace_selection_appending(HWND control, const std::wstring& text,
                                 std::size_t piece_size = kPieceSize) {
  for (std::wstring_view piece : pieces_of(text, piece_size)) {
    caret_to_end(control);
    std::wstring terminated(piece);
    SendMessageW(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(terminated.c_str()));
  }
}

// --- Ways out: every way gives the whole text with CR LF line ends.

struct Streamed {
  std::string bytes;
};

DWORD CALLBACK take_text(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* taken) {
  reinterpret_cast<Streamed*>(cookie)->bytes.append(reinterpret_cast<const char*>(buffer),
                                                    static_cast<std::size_t>(size));
  *taken = size;
  return 0;
}

std::wstring stream_out(HWND control) {
  Streamed streamed;
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&streamed), 0, take_text};
  SendMessageW(control, EM_STREAMOUT, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
  std::wstring text(streamed.bytes.size() / 2, L'\0');
  std::memcpy(text.data(), streamed.bytes.data(), text.size() * 2);
  return crlf_of(text);
}

std::wstring window_text(HWND control) {
  auto length = static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  auto copied = static_cast<std::size_t>(
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return crlf_of(text);
}

std::wstring text_ex(HWND control) {
  auto length = static_cast<std::size_t>(held_characters(control));
  std::wstring text(length + 1, L'\0');
  GETTEXTEX request{};
  request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  request.flags = GT_DEFAULT;
  request.codepage = 1200;
  auto copied = static_cast<std::size_t>(SendMessageW(control, EM_GETTEXTEX,
                                                      reinterpret_cast<WPARAM>(&request),
                                                      reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return crlf_of(text);
}

// The EDIT control's own buffer, locked while it is copied.
std::wstring handle_text(HWND control) {
  auto handle = reinterpret_cast<HLOCAL>(SendMessageW(control, EM_GETHANDLE, 0, 0));
  auto* text = static_cast<const wchar_t*>(LocalLock(handle));
  std::wstring copy = text ? text : L"";
  LocalUnlock(handle);
  return crlf_of(copy);
}

// The same buffer a slice at a time, locked for each, as a reader that gives the event loop a
// turn between slices would.
std::wstring handle_slices(HWND control) {
  auto length = static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text;
  for (std::size_t at = 0; at < length; at += kRangeSize) {
    auto handle = reinterpret_cast<HLOCAL>(SendMessageW(control, EM_GETHANDLE, 0, 0));
    auto* buffer = static_cast<const wchar_t*>(LocalLock(handle));
    text.append(buffer + at, std::min<std::size_t>(kRangeSize, length - at));
    LocalUnlock(handle);
  }
  return crlf_of(text);
}

std::wstring text_ranges(HWND control) {
  long length = held_characters(control);
  std::wstring text;
  std::wstring piece(kRangeSize + 1, L'\0');
  for (long at = 0; at < length; at += kRangeSize) {
    TEXTRANGEW range{{at, std::min(length, at + kRangeSize)}, piece.data()};
    auto copied = static_cast<std::size_t>(
        SendMessageW(control, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)));
    text.append(piece.data(), copied);
  }
  return crlf_of(text);
}

// --- The cases.

struct Probe {
  Editor editor;
  std::wstring crlf_text;  // what the clipboard gives a Windows program
  std::wstring lf_text;    // a file with LF line ends
  long expected_characters = 0;
};

struct Figures {
  double step_seconds = 0;
  double show_seconds = 0;
  std::string check = "ok";
};

std::string holds(const Probe& probe, long expected) {
  long count = held_characters(probe.editor.control);
  if (count == expected) return "ok";
  return "holds " + std::to_string(count) + " of " + std::to_string(expected);
}

Figures timed(Probe& probe, const std::function<void()>& step, long expected) {
  double start = now_seconds();
  step();
  Figures figures{now_seconds() - start};
  figures.show_seconds = show(probe.editor);
  figures.check = holds(probe, expected);
  return figures;
}

Figures filled(Probe& probe, const std::function<void()>& fill) {
  return timed(probe, fill, probe.expected_characters);
}

Figures cleared(Probe& probe, const std::function<void()>& clear) { return timed(probe, clear, 0); }

Figures read_back(Probe& probe, const std::function<std::wstring()>& read) {
  double start = now_seconds();
  std::wstring text = read();
  Figures figures{now_seconds() - start};
  if (text != probe.crlf_text)
    figures.check =
        "gave " + std::to_string(text.size()) + " of " + std::to_string(probe.crlf_text.size());
  return figures;
}

// Piece by piece at the end, the control painting after each piece, as a fill spread over
// the event loop's turns would; the check notes the longest turn.
// With `keep_view`, the caret goes back to the start after each piece, and the view with it,
// without a paint in between, as a fill that leaves the user's place alone would.
Figures appended_in_turns(Probe& probe, std::size_t piece_size, bool keep_view = false) {
  HWND control = probe.editor.control;
  double longest_turn = 0;
  Figures figures = filled(probe, [&] {
    for (std::wstring_view piece : pieces_of(probe.crlf_text, piece_size)) {
      double turn = now_seconds();
      if (keep_view) SendMessageW(control, WM_SETREDRAW, FALSE, 0);
      caret_to_end(control);
      std::wstring terminated(piece);
      SendMessageW(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(terminated.c_str()));
      if (keep_view) {
        SendMessageW(control, EM_SETSEL, 0, 0);
        SendMessageW(control, EM_SCROLLCARET, 0, 0);
        SendMessageW(control, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(control, nullptr, TRUE);
      }
      show(probe.editor);
      longest_turn = std::max(longest_turn, now_seconds() - turn);
    }
  });
  char note[64];
  std::snprintf(note, sizeof note, "; longest turn %.3f s", longest_turn);
  figures.check += note;
  return figures;
}

Figures typed_key(Probe& probe) {
  HWND control = probe.editor.control;
  caret_to_end(control);
  show(probe.editor);
  double start = now_seconds();
  SendMessageW(control, WM_KEYDOWN, 'X', 1);
  SendMessageW(control, WM_CHAR, 'x', 1);
  SendMessageW(control, WM_KEYUP, 'X', 1);
  Figures figures{now_seconds() - start};
  figures.show_seconds = show(probe.editor);
  figures.check = holds(probe, probe.expected_characters + 1);
  return figures;
}

// Filled as the backend fills it today.
void backend_filled(Probe& p) { set_text_ex(p.editor.control, p.crlf_text); }
void streamed_without_undo(Probe& p) {
  SendMessageW(p.editor.control, EM_SETUNDOLIMIT, 0, 0);
  stream_in_whole(p.editor.control, p.crlf_text);
}
void nothing(Probe&) {}
Figures emptied_by_wm_settext(Probe& p) {
  return cleared(
      p, [&] { SendMessageW(p.editor.control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"")); });
}
Figures streamed(Probe& p) {
  return filled(p, [&] { stream_in_whole(p.editor.control, p.crlf_text); });
}

struct Case {
  const char* name;
  const char* what;
  std::function<void(Probe&)> prepare;  // not measured
  std::function<Figures(Probe&)> measure;
  bool limit_text = true;  // EM_EXLIMITTEXT as the backend sends it
  Control control = Control::RichEdit;
  bool one_line = false;  // the text without its line ends
};

// --- Scintilla, fed UTF-16 as the backend is, converted piece by piece.

// The whole text set without an undo step, as a program's set would be.
void scintilla_set(HWND control, std::wstring_view text) {
  std::string utf8 = utf8_of(text);
  sci(control, SCI_SETUNDOCOLLECTION, 0);
  sci(control, SCI_SETTEXT, 0, reinterpret_cast<LPARAM>(utf8.c_str()));
  sci(control, SCI_EMPTYUNDOBUFFER);
  sci(control, SCI_SETUNDOCOLLECTION, 1);
}

void scintilla_filled(Probe& p) { scintilla_set(p.editor.control, p.crlf_text); }

// Pieces of 64 Ki units at the end, wherever the lines end, a paint after each; the check
// notes the longest turn.
Figures scintilla_appended_in_turns(Probe& probe) {
  HWND control = probe.editor.control;
  double longest_turn = 0;
  Figures figures = filled(probe, [&] {
    sci(control, SCI_SETUNDOCOLLECTION, 0);
    std::wstring_view text = probe.crlf_text;
    for (std::size_t at = 0; at < text.size(); at += kPieceSize) {
      double turn = now_seconds();
      std::string utf8 = utf8_of(text.substr(at, kPieceSize));
      sci(control, SCI_APPENDTEXT, utf8.size(), reinterpret_cast<LPARAM>(utf8.data()));
      show(probe.editor);
      longest_turn = std::max(longest_turn, now_seconds() - turn);
    }
    sci(control, SCI_SETUNDOCOLLECTION, 1);
  });
  char note[64];
  std::snprintf(note, sizeof note, "; longest turn %.3f s", longest_turn);
  figures.check += note;
  return figures;
}

// Slices of 64 KiB bytes, each ending on a whole character, read in place and converted.
std::wstring scintilla_slices(HWND control) {
  auto length = static_cast<std::size_t>(sci(control, SCI_GETLENGTH));
  std::wstring text;
  for (std::size_t at = 0; at < length;) {
    std::size_t count = std::min<std::size_t>(kPieceSize, length - at);
    const auto* bytes = reinterpret_cast<const unsigned char*>(
        sci(control, SCI_GETRANGEPOINTER, at, static_cast<LPARAM>(count)));
    while (at + count < length && count > 0 && (bytes[count] & 0xC0) == 0x80) --count;
    text += wide_of(std::string_view(reinterpret_cast<const char*>(bytes), count));
    at += count;
  }
  return text;
}

void edit_filled(Probe& p) {
  SendMessageW(p.editor.control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(p.crlf_text.c_str()));
}

const std::vector<Case>& cases() {
  static const std::vector<Case> all = {
      // --- Putting the text in.
      {"settextex", "EM_SETTEXTEX of CR LF text (the backend's set)", nothing,
       [](Probe& p) { return filled(p, [&] { set_text_ex(p.editor.control, p.crlf_text); }); }},
      {"settextex-lf", "EM_SETTEXTEX of LF text", nothing,
       [](Probe& p) { return filled(p, [&] { set_text_ex(p.editor.control, p.lf_text); }); }},
      {"wm-settext", "WM_SETTEXT of CR LF text", nothing,
       [](Probe& p) {
         return filled(p, [&] {
           SendMessageW(p.editor.control, WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(p.crlf_text.c_str()));
         });
       }},
      {"streamin", "EM_STREAMIN SF_TEXT|SF_UNICODE, one stream", nothing, streamed},
      {"streamin-lf", "the same of LF text", nothing,
       [](Probe& p) { return filled(p, [&] { stream_in_whole(p.editor.control, p.lf_text); }); }},
      {"streamin-longlines", "one stream of the text with a line end only every 100 lines",
       [](Probe& p) {
         std::size_t lines = 0;
         for (std::size_t i = 0; i + 1 < p.crlf_text.size(); ++i) {
           if (p.crlf_text[i] == L'\r' && ++lines % 100 != 0)
             p.crlf_text[i] = p.crlf_text[i + 1] = L' ';
         }
         p.expected_characters = static_cast<long>(p.crlf_text.size() - lines / 100);
       },
       streamed},
      {"streamin-noredraw", "one stream between WM_SETREDRAW FALSE and TRUE", nothing,
       [](Probe& p) {
         return filled(p, [&] {
           SendMessageW(p.editor.control, WM_SETREDRAW, FALSE, 0);
           stream_in_whole(p.editor.control, p.crlf_text);
           SendMessageW(p.editor.control, WM_SETREDRAW, TRUE, 0);
         });
       }},
      {"streamin-hidden", "one stream into the hidden control, shown after", nothing,
       [](Probe& p) {
         return filled(p, [&] {
           ShowWindow(p.editor.control, SW_HIDE);
           stream_in_whole(p.editor.control, p.crlf_text);
           ShowWindow(p.editor.control, SW_SHOW);
         });
       }},
      {"streamin-noundo", "the same after EM_SETUNDOLIMIT 0", nothing,
       [](Probe& p) { return filled(p, [&] { streamed_without_undo(p); }); }},
      {"streamin-single", "the same in TM_SINGLELEVELUNDO mode",
       [](Probe& p) {
         SendMessageW(p.editor.control, EM_SETTEXTMODE,
                      TM_PLAINTEXT | TM_SINGLELEVELUNDO | TM_MULTICODEPAGE, 0);
       },
       streamed},
      {"streamin-nolimit", "one stream without EM_EXLIMITTEXT", nothing,
       [](Probe& p) { return filled(p, [&] { stream_in_whole(p.editor.control, p.crlf_text); }); },
       false},
      {"streamin-append", "EM_STREAMIN SFF_SELECTION at the end, 64 Ki pieces, undo off",
       [](Probe& p) { SendMessageW(p.editor.control, EM_SETUNDOLIMIT, 0, 0); },
       [](Probe& p) {
         return filled(p, [&] { stream_in_appending(p.editor.control, p.crlf_text); });
       }},
      {"replacesel-append", "EM_REPLACESEL at the end, 64 Ki pieces, undo off",
       [](Probe& p) { SendMessageW(p.editor.control, EM_SETUNDOLIMIT, 0, 0); },
       [](Probe& p) {
         return filled(p, [&] { replace_selection_appending(p.editor.control, p.crlf_text); });
       }},
      // --- Getting it back with CR LF line ends.
      {"read-streamout", "EM_STREAMOUT SF_TEXT|SF_UNICODE", streamed_without_undo,
       [](Probe& p) { return read_back(p, [&] { return stream_out(p.editor.control); }); }},
      {"read-gettext", "WM_GETTEXT", streamed_without_undo,
       [](Probe& p) { return read_back(p, [&] { return window_text(p.editor.control); }); }},
      {"read-gettextex", "EM_GETTEXTEX (the backend's whole read)", streamed_without_undo,
       [](Probe& p) { return read_back(p, [&] { return text_ex(p.editor.control); }); }},
      {"read-ranges", "EM_GETTEXTRANGE, 32 Ki at a time", streamed_without_undo,
       [](Probe& p) { return read_back(p, [&] { return text_ranges(p.editor.control); }); }},
      // --- Clearing.
      {"replace-settextex", "EM_SETTEXTEX of the text again after the backend's set",
       backend_filled,
       [](Probe& p) { return filled(p, [&] { set_text_ex(p.editor.control, p.crlf_text); }); }},
      {"clear-settextex", "EM_SETTEXTEX \"\" after the backend's set (today's Clear)",
       backend_filled,
       [](Probe& p) { return cleared(p, [&] { set_text_ex(p.editor.control, L""); }); }},
      {"clear-wm-settext", "WM_SETTEXT \"\" after the backend's set", backend_filled,
       emptied_by_wm_settext},
      {"clear-replacesel", "EM_SETSEL all, EM_REPLACESEL \"\" after the backend's set",
       backend_filled,
       [](Probe& p) {
         return cleared(p, [&] {
           SendMessageW(p.editor.control, EM_SETSEL, 0, -1);
           SendMessageW(p.editor.control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
         });
       }},
      {"clear-streamed", "WM_SETTEXT \"\" after a stream-in without undo", streamed_without_undo,
       emptied_by_wm_settext},
      {"clear-streamed-empty", "EM_STREAMIN of nothing after a stream-in without undo",
       streamed_without_undo,
       [](Probe& p) {
         return cleared(p, [&] { stream_in(p.editor.control, L"", 0, SF_TEXT | SF_UNICODE); });
       }},
      {"clear-recreate", "a new control in place of one filled by a stream-in without undo",
       streamed_without_undo,
       [](Probe& p) {
         return cleared(p, [&] {
           DestroyWindow(p.editor.control);
           p.editor.control = make_control(p.editor.window, Control::RichEdit, true);
         });
       }},
      // --- One typed key at the end of the settled text.
      {"key", "one key after the backend's set", backend_filled, typed_key},
      {"key-streamed", "one key after a stream-in without undo", streamed_without_undo, typed_key},
      // --- The plain multi-line EDIT control.
      {"edit-settext", "EDIT: WM_SETTEXT of CR LF text", nothing,
       [](Probe& p) { return filled(p, [&] { edit_filled(p); }); }, true, Control::Edit},
      {"edit-append", "EDIT: EM_REPLACESEL at the end, 64 Ki pieces", nothing,
       [](Probe& p) {
         return filled(p, [&] { replace_selection_appending(p.editor.control, p.crlf_text); });
       },
       true, Control::Edit},
      {"edit-append-1m", "EDIT: the same in pieces of 1 Mi characters", nothing,
       [](Probe& p) {
         return filled(
             p, [&] { replace_selection_appending(p.editor.control, p.crlf_text, 1 << 20); });
       },
       true, Control::Edit},
      {"edit-append-turns", "EDIT: 64 Ki pieces at the end, a paint after each", nothing,
       [](Probe& p) { return appended_in_turns(p, kPieceSize); }, true, Control::Edit},
      {"edit-append-turns-1m", "EDIT: the same in pieces of 1 Mi characters", nothing,
       [](Probe& p) { return appended_in_turns(p, 1 << 20); }, true, Control::Edit},
      {"edit-append-top", "EDIT: 32 Ki pieces at the end, the view kept at the top", nothing,
       [](Probe& p) { return appended_in_turns(p, 32 * 1024, true); }, true, Control::Edit},
      {"edit-append-top-8k", "EDIT: the same in pieces of 8 Ki characters", nothing,
       [](Probe& p) { return appended_in_turns(p, 8 * 1024, true); }, true, Control::Edit},
      {"edit-append-small", "EDIT: 10 appends of 1000 characters to the filled control",
       edit_filled,
       [](Probe& p) {
         std::wstring small(998, L'x');
         small += L"\r\n";
         p.expected_characters += 10 * 1000;
         return filled(p, [&] {
           for (int i = 0; i < 10; ++i) {
             caret_to_end(p.editor.control);
             SendMessageW(p.editor.control, EM_REPLACESEL, FALSE,
                          reinterpret_cast<LPARAM>(small.c_str()));
           }
         });
       },
       true, Control::Edit},
      {"edit-append-parts", "EDIT: the same, each message timed; hidden, without redraw",
       edit_filled,
       [](Probe& p) {
         std::wstring small(998, L'x');
         small += L"\r\n";
         HWND control = p.editor.control;
         double select = 0, replace = 0, hidden = 0, no_redraw = 0;
         auto append = [&] {
           double start = now_seconds();
           caret_to_end(control);
           select += now_seconds() - start;
           start = now_seconds();
           SendMessageW(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(small.c_str()));
           return now_seconds() - start;
         };
         for (int i = 0; i < 5; ++i) replace += append();
         ShowWindow(control, SW_HIDE);
         for (int i = 0; i < 5; ++i) hidden += append();
         ShowWindow(control, SW_SHOW);
         SendMessageW(control, WM_SETREDRAW, FALSE, 0);
         for (int i = 0; i < 5; ++i) no_redraw += append();
         SendMessageW(control, WM_SETREDRAW, TRUE, 0);
         Figures figures{select + replace + hidden + no_redraw};
         p.expected_characters += 15 * 1000;
         figures.check = holds(p, p.expected_characters);
         char note[160];
         std::snprintf(note, sizeof note,
                       "; per append: EM_SETSEL %.3f s, EM_REPLACESEL %.3f s, hidden %.3f s, "
                       "no redraw %.3f s",
                       select / 15, replace / 5, hidden / 5, no_redraw / 5);
         figures.check += note;
         return figures;
       },
       true, Control::Edit},
      {"edit-read-gettext", "EDIT: WM_GETTEXT", edit_filled,
       [](Probe& p) { return read_back(p, [&] { return window_text(p.editor.control); }); }, true,
       Control::Edit},
      {"edit-read-handle", "EDIT: EM_GETHANDLE, the buffer locked and copied", edit_filled,
       [](Probe& p) { return read_back(p, [&] { return handle_text(p.editor.control); }); }, true,
       Control::Edit},
      {"edit-read-slices", "EDIT: EM_GETHANDLE, locked for each 32 Ki slice", edit_filled,
       [](Probe& p) { return read_back(p, [&] { return handle_slices(p.editor.control); }); }, true,
       Control::Edit},
      {"edit-clear", "EDIT: WM_SETTEXT \"\" after WM_SETTEXT", edit_filled, emptied_by_wm_settext,
       true, Control::Edit},
      {"edit-clear-replacesel", "EDIT: EM_SETSEL all, EM_REPLACESEL \"\"", edit_filled,
       [](Probe& p) {
         return cleared(p, [&] {
           SendMessageW(p.editor.control, EM_SETSEL, 0, -1);
           SendMessageW(p.editor.control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
         });
       },
       true, Control::Edit},
      {"edit-key", "EDIT: one key at the end after WM_SETTEXT", edit_filled, typed_key, true,
       Control::Edit},
      {"edit-key-start", "EDIT: one key at the start after WM_SETTEXT", edit_filled,
       [](Probe& p) {
         SendMessageW(p.editor.control, EM_SETSEL, 0, 0);
         show(p.editor);
         double start = now_seconds();
         SendMessageW(p.editor.control, WM_CHAR, 'x', 1);
         Figures figures{now_seconds() - start};
         figures.show_seconds = show(p.editor);
         figures.check = holds(p, p.expected_characters + 1);
         return figures;
       },
       true, Control::Edit},
      // --- Scintilla.
      {"sci-settext", "Scintilla: SCI_SETTEXT of the text made UTF-8, undo off", nothing,
       [](Probe& p) { return filled(p, [&] { scintilla_filled(p); }); }, true, Control::Scintilla},
      {"sci-settext-styled", "Scintilla: the same with a style byte per byte", nothing,
       [](Probe& p) { return filled(p, [&] { scintilla_filled(p); }); }, true,
       Control::ScintillaStyled},
      {"sci-settext-dwrite", "Scintilla: the same drawn by DirectWrite", nothing,
       [](Probe& p) { return filled(p, [&] { scintilla_filled(p); }); }, true,
       Control::ScintillaDirectWrite},
      {"sci-settext-wrap", "Scintilla: the same, wrapped at words", nothing,
       [](Probe& p) {
         sci(p.editor.control, SCI_SETWRAPMODE, SC_WRAP_WORD);
         return filled(p, [&] { scintilla_filled(p); });
       },
       true, Control::Scintilla},
      {"sci-append-turns", "Scintilla: SCI_APPENDTEXT of 64 Ki pieces, a paint after each", nothing,
       scintilla_appended_in_turns, true, Control::Scintilla},
      {"sci-read-slices", "Scintilla: SCI_GETRANGEPOINTER, 64 KiB slices made UTF-16",
       scintilla_filled,
       [](Probe& p) { return read_back(p, [&] { return scintilla_slices(p.editor.control); }); },
       true, Control::Scintilla},
      {"sci-clear", "Scintilla: SCI_SETTEXT \"\", undo off, after the set", scintilla_filled,
       [](Probe& p) { return cleared(p, [&] { scintilla_set(p.editor.control, L""); }); }, true,
       Control::Scintilla},
      {"sci-key", "Scintilla: one key at the end after the set", scintilla_filled, typed_key, true,
       Control::Scintilla},
      // --- One line: the text without its line ends.
      {"edit-line-settext", "EDIT: WM_SETTEXT of one line", nothing,
       [](Probe& p) { return filled(p, [&] { edit_filled(p); }); }, true, Control::Edit, true},
      {"edit-line-key", "EDIT: one key at the end of one line", edit_filled, typed_key, true,
       Control::Edit, true},
      {"sci-line-settext", "Scintilla: SCI_SETTEXT of one line", nothing,
       [](Probe& p) { return filled(p, [&] { scintilla_filled(p); }); }, true, Control::Scintilla,
       true},
      {"sci-line-measured", "Scintilla: the same, each character measured", nothing,
       [](Probe& p) { return filled(p, [&] { scintilla_filled(p); }); }, true,
       Control::ScintillaMeasured, true},
      {"sci-line-append-turns", "Scintilla: one line appended in 64 Ki pieces", nothing,
       scintilla_appended_in_turns, true, Control::Scintilla, true},
      {"sci-line-read-slices", "Scintilla: one line read in 64 KiB slices", scintilla_filled,
       [](Probe& p) { return read_back(p, [&] { return scintilla_slices(p.editor.control); }); },
       true, Control::Scintilla, true},
      {"sci-line-clear", "Scintilla: one line cleared", scintilla_filled,
       [](Probe& p) { return cleared(p, [&] { scintilla_set(p.editor.control, L""); }); }, true,
       Control::Scintilla, true},
      {"sci-line-key", "Scintilla: one key at the end of one line", scintilla_filled, typed_key,
       true, Control::Scintilla, true},
  };
  return all;
}

// --- The child: one case at one size, printed as one tab-separated line.

struct Memory {
  long long working_set = 0;
  long long peak = 0;
};

Memory memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return {static_cast<long long>(counters.WorkingSetSize),
          static_cast<long long>(counters.PeakWorkingSetSize)};
}

// Under Wine the process is a Linux one, whose peak can start again from here; elsewhere the
// peak also counts making the text, which only the cases that need little memory notice.
void forget_peak() {
  HANDLE file = CreateFileW(L"Z:\\proc\\self\\clear_refs", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, "5", 1, &written, nullptr);
  CloseHandle(file);
}

int run_one(const Case& probe_case, std::size_t kilobytes) {
  std::string utf8 =
      ambrel::bench::catalogue_text(kilobytes * 1000, probe_case.one_line ? "" : "\r\n");
  Probe probe{make_editor(probe_case.control, probe_case.limit_text), wide_of(utf8), {}};
  auto utf8_bytes = static_cast<long>(utf8.size());
  ambrel::bench::CaseFigures result;
  result.input_bytes = utf8.size();
  utf8 = std::string();
  probe.lf_text = probe.crlf_text;
  std::erase(probe.lf_text, L'\r');
  // The rich edit control keeps a CR for a line end, the EDIT control CR LF, Scintilla CR LF
  // in UTF-8.
  probe.expected_characters = static_cast<long>(
      probe_case.control == Control::Edit ? probe.crlf_text.size() : probe.lf_text.size());
  if (is_scintilla(probe.editor.control)) probe.expected_characters = utf8_bytes;
  show(probe.editor);
  probe_case.prepare(probe);
  show(probe.editor);

  forget_peak();
  Memory before = memory();
  Figures figures = probe_case.measure(probe);
  Memory after = memory();
  result.peak_kib = (after.peak - before.working_set) / 1024;
  result.held_kib = (after.working_set - before.working_set) / 1024;
  result.step_seconds = figures.step_seconds;
  result.show_seconds = figures.show_seconds;
  result.check = figures.check;
  ambrel::bench::print_case_line(result);
  DestroyWindow(probe.editor.window);
  return 0;
}

// --- The parent: every case at every size, one table per size.

// The machine's load averages, which under Wine the Linux side shows.
std::string machine_load() {
  std::ifstream loadavg("Z:\\proc\\loadavg");
  std::string one, five, fifteen;
  if (!(loadavg >> one >> five >> fifteen)) return "unknown";
  return one + " " + five + " " + fifteen;
}

long long working_set_mib(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  K32GetProcessMemoryInfo(process, &counters, sizeof(counters));
  return static_cast<long long>(counters.WorkingSetSize) >> 20;
}

// Waits for the child; the text of what it overran, after ending it, if it did.
std::string wait_within(HANDLE child, const ambrel::bench::ProbeOptions& options) {
  double deadline = now_seconds() + options.limit_seconds;
  while (WaitForSingleObject(child, 100) == WAIT_TIMEOUT) {
    std::string over;
    if (now_seconds() > deadline) {
      over = "over " + std::to_string(static_cast<long>(options.limit_seconds)) + " s";
    } else if (working_set_mib(child) > options.memory_cap_mib) {
      over = "over " + std::to_string(options.memory_cap_mib) + " MiB";
    }
    if (over.empty()) continue;
    TerminateProcess(child, 1);
    WaitForSingleObject(child, INFINITE);
    return over;
  }
  return {};
}

// This program again with --case NAME KILOBYTES, its standard output through a pipe (large
// enough for its one line).
ambrel::bench::ChildResult run_child(const char* name, std::size_t kilobytes,
                                     const ambrel::bench::ProbeOptions& options) {
  SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inheritable, 1 << 16)) return {};
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  wchar_t program[MAX_PATH];
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(program) + L"\" --case " + wide_of(name) + L" " +
                         std::to_wstring(kilobytes);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION child{};
  BOOL started = CreateProcessW(program, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &child);
  CloseHandle(write_end);
  ambrel::bench::ChildResult result;
  if (started) {
    result.over = wait_within(child.hProcess, options);
    char buffer[512];
    DWORD got = 0;
    while (result.over.empty() && ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) &&
           got > 0)
      result.line.append(buffer, got);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
  }
  CloseHandle(read_end);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ambrel::bench;
  return probe_main<Case>(
      argc, argv, cases(), {{100, 300, 1000, 10000, 50000}, {}, 120, 4096}, "KB", run_one,
      [](const ProbeOptions& options) {
        std::printf("rich edit (Msftedit, plain text), catalogue XML, one child process per row\n");
        print_tables<Case>(cases(), options, "KB", machine_load,
                           [&](const char* name, std::size_t kilobytes) {
                             return run_child(name, kilobytes, options);
                           });
      });
}
