// The basic family on Win32: the text is a static control, the button a push button (a
// click is command Click), the editor a Scintilla editor (the user's changes are
// command Change), the frame a group box, the container and the splitter windows of our own
// classes.

#include <windows.h>

#include <utility>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_editor.h"
#include "backend/win32/win32_family_controls.h"
#include "backend/win32/win32_window_classes.h"

namespace ambrel {

namespace {

// The style bit of an alignment, from a control class's three.
struct AlignmentBits {
  DWORD left;
  DWORD center;
  DWORD right;
};
constexpr AlignmentBits kStaticAlignment{SS_LEFT, SS_CENTER, SS_RIGHT};
constexpr AlignmentBits kButtonAlignment{BS_LEFT, BS_CENTER, BS_RIGHT};

DWORD alignment_bit(TextAlignment alignment, const AlignmentBits& bits) {
  switch (alignment) {
    case TextAlignment::Left:
      return bits.left;
    case TextAlignment::Center:
      return bits.center;
    case TextAlignment::Right:
      return bits.right;
  }
  return bits.left;
}

// The border bits of a text or container: {style, extended style}.
std::pair<DWORD, DWORD> border_bits(BorderStyle border) {
  switch (border) {
    case BorderStyle::Flat:
      return {WS_BORDER, 0};
    case BorderStyle::Raised:
      return {WS_DLGFRAME, 0};
    case BorderStyle::Single:
      return {0, WS_EX_STATICEDGE};
    case BorderStyle::Sunken:
      return {0, WS_EX_CLIENTEDGE};
    case BorderStyle::None:
      break;
  }
  return {0, 0};
}

}  // namespace

HWND make_window(BasicKind kind, const ControlRequest& request, HWND parent,
                 Win32ControlRecord& control, Win32Backend& backend) {
  const ControlStyle& style = request.style;
  switch (kind) {
    case BasicKind::Text: {
      auto [bits, ex_bits] = border_bits(style.border);
      return family_child(L"Static", request.text,
                          SS_NOPREFIX | alignment_bit(style.alignment, kStaticAlignment) | bits,
                          ex_bits, parent);
    }
    case BasicKind::Button: {
      DWORD type = style.toggle           ? BS_AUTOCHECKBOX | BS_PUSHLIKE
                   : style.default_button ? BS_DEFPUSHBUTTON
                                          : BS_PUSHBUTTON;
      DWORD bits = type | alignment_bit(style.alignment, kButtonAlignment) |
                   (style.multi_line ? BS_MULTILINE : 0) | tab_stop_bit(style);
      return family_child(L"Button", request.text, bits, 0, parent);
    }
    case BasicKind::Editor:
      return make_editor(request, parent, control, backend);
    case BasicKind::Frame:
      return family_child(L"Button", request.text, BS_GROUPBOX, 0, parent);
    case BasicKind::Container: {
      auto [bits, ex_bits] = border_bits(style.border);
      return family_child(kContainerClass, request.text, bits, ex_bits | WS_EX_CONTROLPARENT,
                          parent, &backend);
    }
    case BasicKind::Splitter:
      return family_child(kSplitterClass, u"", 0, WS_EX_CONTROLPARENT, parent, &backend);
  }
  return nullptr;
}

bool family_notice(BasicKind kind, const ControlNotice& notice, Win32Backend& backend) {
  switch (kind) {
    case BasicKind::Button:
      if (notice.message != WM_COMMAND) return false;
      if (notice.code == BN_CLICKED) backend.report_command(notice.source, ControlCommand::Click);
      return true;
    case BasicKind::Editor:
      return editor_notice(notice, backend);
    case BasicKind::Text:
    case BasicKind::Frame:
    case BasicKind::Container:
    case BasicKind::Splitter:
      break;
  }
  return false;
}

// Of the basic kinds only the editor's text is not its window text.
std::u16string family_text(BasicKind kind, const Win32ControlRecord& control) {
  return kind == BasicKind::Editor ? editor_text(control.hwnd) : window_text(control.hwnd);
}

bool set_family_text(BasicKind kind, Win32ControlRecord& control, std::u16string_view text) {
  if (kind != BasicKind::Editor) return false;
  set_editor_text(control, text);
  return true;
}

}  // namespace ambrel
