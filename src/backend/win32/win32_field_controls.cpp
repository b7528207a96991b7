// The field family on Win32: edit, up-down beside its edit, hot key, date picker, IP
// address and combo box controls. The user's edits and choices are reported as command
// Change.

#include <windows.h>
#include <commctrl.h>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_family_controls.h"

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

HWND make_combo_box(const ControlStyle& style, HWND parent) {
  return family_child(L"ComboBox", u"",
                      (style.editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) |
                          WS_VSCROLL | tab_stop_bit(style),
                      0, parent);
}

// The explorer's combo box holds the path of its folder, chosen.
HWND make_folder_combo(const ControlRequest& request, HWND parent) {
  HWND combo = make_combo_box(request.style, parent);
  if (!combo) return nullptr;
  std::wstring folder = explorer_folder(request.text);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  return combo;
}

// Where a field keeps its value and items: the up-down beside its edit, its combo box, or
// nowhere.
enum class FieldStore { None, UpDown, ComboBox };

FieldStore store_of(FieldKind kind) {
  switch (kind) {
    case FieldKind::Spin:
      return FieldStore::UpDown;
    case FieldKind::ComboBox:
    case FieldKind::ExplorerCombo:
      return FieldStore::ComboBox;
    case FieldKind::String:
    case FieldKind::Shortcut:
    case FieldKind::Date:
    case FieldKind::IpAddress:
      break;
  }
  return FieldStore::None;
}

}  // namespace

HWND make_window(FieldKind kind, const ControlRequest& request, HWND parent,
                 Win32ControlRecord& control, Win32Backend&) {
  const ControlStyle& style = request.style;
  DWORD tab_stop = tab_stop_bit(style);
  switch (kind) {
    case FieldKind::String:
      return family_child(L"Edit", request.text,
                          ES_AUTOHSCROLL | (style.password ? ES_PASSWORD : 0) | tab_stop,
                          WS_EX_CLIENTEDGE, parent);
    case FieldKind::Spin:
      return make_spin(request, parent, control.inner);
    case FieldKind::Shortcut:
      return family_child(HOTKEY_CLASSW, u"", tab_stop, 0, parent);
    case FieldKind::Date:
      return family_child(DATETIMEPICK_CLASSW, u"", DTS_SHORTDATEFORMAT | tab_stop, 0, parent);
    case FieldKind::IpAddress:
      return family_child(WC_IPADDRESSW, u"", tab_stop, 0, parent);
    case FieldKind::ComboBox:
      return make_combo_box(style, parent);
    case FieldKind::ExplorerCombo:
      return make_folder_combo(request, parent);
  }
  return nullptr;
}

bool family_notice(FieldKind kind, const ControlNotice& notice, Win32Backend& backend) {
  bool reported = false;
  switch (kind) {
    case FieldKind::String:
    case FieldKind::Spin:
      reported = notice.message == WM_COMMAND && notice.code == EN_CHANGE;
      break;
    case FieldKind::ComboBox:
    case FieldKind::ExplorerCombo:
      reported = notice.message == WM_COMMAND && notice.code == CBN_SELCHANGE;
      break;
    case FieldKind::Date:
      reported = notice.message == WM_NOTIFY && notice.code == DTN_DATETIMECHANGE;
      break;
    case FieldKind::Shortcut:
    case FieldKind::IpAddress:
      break;
  }
  if (reported) backend.report_command(notice.source, ControlCommand::Change);
  return reported;
}

// A spin's number, a combo box's chosen item (-1 none).
int family_value(FieldKind kind, const Win32ControlRecord& control) {
  switch (store_of(kind)) {
    case FieldStore::UpDown:
      return static_cast<int>(SendMessageW(control.inner, UDM_GETPOS32, 0, 0));
    case FieldStore::ComboBox:
      return static_cast<int>(SendMessageW(control.hwnd, CB_GETCURSEL, 0, 0));
    case FieldStore::None:
      break;
  }
  return 0;
}

void set_family_value(FieldKind kind, Win32Backend&, NativeHandle, Win32ControlRecord& control,
                      int value) {
  switch (store_of(kind)) {
    case FieldStore::UpDown:
      SendMessageW(control.inner, UDM_SETPOS32, 0, value);
      return;
    case FieldStore::ComboBox:
      SendMessageW(control.hwnd, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
      return;
    case FieldStore::None:
      return;
  }
}

int family_item_count(FieldKind kind, const Win32ControlRecord& control) {
  if (store_of(kind) != FieldStore::ComboBox) return 0;
  return static_cast<int>(SendMessageW(control.hwnd, CB_GETCOUNT, 0, 0));
}

int add_family_item(FieldKind kind, Win32ControlRecord& control, int index, std::wstring& item) {
  if (store_of(kind) != FieldStore::ComboBox) return -1;
  return static_cast<int>(SendMessageW(control.hwnd, CB_INSERTSTRING, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(item.c_str())));
}

// The up-down keeps to its field's right edge.
void after_geometry(FieldKind kind, Win32Backend&, NativeHandle, Win32ControlRecord& control) {
  if (store_of(kind) == FieldStore::UpDown)
    SendMessageW(control.inner, UDM_SETBUDDY, reinterpret_cast<WPARAM>(control.hwnd), 0);
}

}  // namespace ambrel
