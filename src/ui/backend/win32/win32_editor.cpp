// The rich-text editor of the editor and the code editor, and its text. It keeps paragraphs
// ended by a lone CR; the ui layer gets CR LF line ends back, however the text was typed or
// set. Text the program sets is never reported as the user's change: the editor's change
// events are off meanwhile.

#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <exception>
#include <string>

#include "ui/backend/crlf_piece_writer.h"
#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_family_controls.h"
#include "ui/backend/win32/win32_text.h"

namespace ambrel {

namespace {

// What the editor's stream-out hands over, buffer by buffer.
struct StreamedText {
  CrLfPieceWriter& writer;
  std::string bytes;           // a buffer's UTF-16 bytes, and an odd byte kept for the next one
  std::exception_ptr failure;  // nothing may unwind through the editor's own frames
};

DWORD CALLBACK take_streamed_text(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* taken) {
  auto& streamed = *reinterpret_cast<StreamedText*>(cookie);
  *taken = size;
  try {
    streamed.bytes.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(size));
    std::u16string units(streamed.bytes.size() / 2, u'\0');
    std::memcpy(units.data(), streamed.bytes.data(), units.size() * 2);
    streamed.bytes.erase(0, units.size() * 2);
    streamed.writer.write(units);
    return 0;
  } catch (...) {
    streamed.failure = std::current_exception();
    return 1;
  }
}

DWORD editor_style(const ControlStyle& style) {
  DWORD bits =
      WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | ES_NOOLEDRAGDROP;
  if (!style.word_wrap) bits |= WS_HSCROLL | ES_AUTOHSCROLL;
  if (style.read_only) bits |= ES_READONLY;
  return bits;
}

}  // namespace

HWND Win32Backend::make_editor(const ControlRequest& request, HWND parent) {
  const ControlStyle& style = request.style;
  HWND editor = family_child(MSFTEDIT_CLASS, u"", editor_style(style) | tab_stop_bit(style),
                             WS_EX_CLIENTEDGE, parent);
  if (!editor) return nullptr;
  SendMessageW(editor, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
  SendMessageW(editor, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  // Wrap at the control's width, or never.
  SendMessageW(editor, EM_SETTARGETDEVICE, 0, style.word_wrap ? 0 : 1);
  set_editor_text(editor, request.text);
  SendMessageW(editor, EM_SETEVENTMASK, 0, ENM_CHANGE);
  return editor;
}

bool Win32Backend::editor_notice(const ControlNotice& notice) {
  if (notice.message != WM_COMMAND) return false;
  if (notice.code == EN_CHANGE) report_command(notice.source, ControlCommand::Change);
  return true;
}

std::u16string Win32Backend::editor_text(HWND editor) const {
  GETTEXTLENGTHEX length_request{GTL_NUMCHARS | GTL_PRECISE, 1200};
  auto length = static_cast<long>(
      SendMessageW(editor, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length_request), 0));
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GETTEXTEX request{};
  request.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  request.flags = GT_DEFAULT;
  request.codepage = 1200;  // UTF-16
  auto copied = static_cast<std::size_t>(SendMessageW(editor, EM_GETTEXTEX,
                                                      reinterpret_cast<WPARAM>(&request),
                                                      reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, text.size()));
  return with_crlf(from_wide(text));
}

// Streamed out a buffer at a time, so that a large text is never copied whole.
void Win32Backend::read_editor_text(HWND editor, const TextPieceHandler& take) const {
  CrLfPieceWriter writer(take, false);
  StreamedText streamed{writer, {}, {}};
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&streamed), 0, take_streamed_text};
  SendMessageW(editor, EM_STREAMOUT, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
  if (streamed.failure) std::rethrow_exception(streamed.failure);
  writer.finish();
}

void Win32Backend::set_editor_text(HWND editor, std::u16string_view text) {
  LRESULT mask = SendMessageW(editor, EM_GETEVENTMASK, 0, 0);
  SendMessageW(editor, EM_SETEVENTMASK, 0, 0);
  bool was_setting = setting_text_;
  setting_text_ = true;
  std::wstring wide = to_wide(text);
  SETTEXTEX request{ST_DEFAULT | ST_UNICODE, 1200};
  SendMessageW(editor, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&request),
               reinterpret_cast<LPARAM>(wide.c_str()));
  // The caret to the start and the view to the first line.
  SendMessageW(editor, EM_SETSEL, 0, 0);
  SendMessageW(editor, EM_SCROLLCARET, 0, 0);
  setting_text_ = was_setting;
  SendMessageW(editor, EM_SETEVENTMASK, 0, mask);
}

}  // namespace ambrel
