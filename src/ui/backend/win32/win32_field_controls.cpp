// The field family on Win32: edit, up-down beside its edit, hot key, date picker, IP
// address and combo box controls. The user's edits and choices are reported as command 768.

#include <windows.h>
#include <commctrl.h>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_family_controls.h"

namespace ambrel {

namespace {

// The up-down is a sibling of its edit, which the control stands for; it keeps the value.
HWND make_spin(const ControlRequest& request, HWND parent, HWND& up_down) {
  HWND field = family_child(L"Edit", u"", ES_NUMBER | ES_AUTOHSCROLL | tab_stop_bit(request.style),
                            WS_EX_CLIENTEDGE, parent);
  if (!field) return nullptr;
  up_down =
      family_child(UPDOWN_CLASSW, u"",
                   UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, parent);
  SendMessageW(up_down, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
  SendMessageW(up_down, UDM_SETRANGE32, static_cast<WPARAM>(request.range.minimum),
               request.range.maximum);
  SendMessageW(up_down, UDM_SETPOS32, 0, request.range.minimum);
  ShowWindow(up_down, SW_SHOWNA);
  return field;
}

}  // namespace

HWND Win32Backend::make_field_window(const ControlRequest& request, HWND parent,
                                     ControlInfo& info) {
  const ControlStyle& style = request.style;
  DWORD tab_stop = tab_stop_bit(style);
  switch (request.kind) {
    case ControlKind::String:
      return family_child(L"Edit", request.text,
                          ES_AUTOHSCROLL | (style.password ? ES_PASSWORD : 0) | tab_stop,
                          WS_EX_CLIENTEDGE, parent);
    case ControlKind::Spin:
      return make_spin(request, parent, info.inner);
    case ControlKind::Shortcut:
      return family_child(HOTKEY_CLASSW, u"", tab_stop, 0, parent);
    case ControlKind::Date:
      return family_child(DATETIMEPICK_CLASSW, u"", DTS_SHORTDATEFORMAT | tab_stop, 0, parent);
    case ControlKind::IpAddress:
      return family_child(WC_IPADDRESSW, u"", tab_stop, 0, parent);
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo:
      return family_child(L"ComboBox", u"",
                          (style.editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) |
                              WS_VSCROLL | tab_stop,
                          0, parent);
    default:
      return nullptr;
  }
}

bool Win32Backend::field_notice(const ControlNotice& notice) {
  ControlKind kind = notice.kind;
  bool edited = notice.message == WM_COMMAND && notice.code == EN_CHANGE &&
                (kind == ControlKind::String || kind == ControlKind::Spin);
  bool chosen = notice.message == WM_COMMAND && notice.code == CBN_SELCHANGE &&
                (kind == ControlKind::ComboBox || kind == ControlKind::ExplorerCombo);
  bool dated =
      notice.message == WM_NOTIFY && notice.code == DTN_DATETIMECHANGE && kind == ControlKind::Date;
  if (!edited && !chosen && !dated) return false;
  report_command(notice.source, kChangeCommand);
  return true;
}

}  // namespace ambrel
