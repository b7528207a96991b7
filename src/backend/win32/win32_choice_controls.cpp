// The choice family on Win32: check box and option buttons, reporting a click as command
// Click. An option that does not follow another option in its parent starts a group.

#include <windows.h>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_family_controls.h"

namespace ambrel {

HWND make_window(ChoiceKind kind, const ControlRequest& request, HWND parent, Win32ControlRecord&,
                 Win32Backend& backend) {
  DWORD tab_stop = tab_stop_bit(request.style);
  switch (kind) {
    case ChoiceKind::CheckBox:
      return family_child(L"Button", request.text,
                          (request.style.three_state ? BS_AUTO3STATE : BS_AUTOCHECKBOX) | tab_stop,
                          0, parent);
    case ChoiceKind::Option: {
      DWORD group = backend.continues_option_group(request.parent) ? 0 : WS_GROUP;
      return family_child(L"Button", request.text, BS_AUTORADIOBUTTON | group | tab_stop, 0,
                          parent);
    }
  }
  return nullptr;
}

bool family_notice(ChoiceKind, const ControlNotice& notice, Win32Backend& backend) {
  if (notice.message != WM_COMMAND || notice.code != BN_CLICKED) return false;
  backend.report_command(notice.source, ControlCommand::Click);
  return true;
}

// 1 checked, 0 not, 2 a three-state box's mixed mark.
int family_value(ChoiceKind, const Win32ControlRecord& control) {
  auto state = SendMessageW(control.hwnd, BM_GETCHECK, 0, 0);
  return state == BST_INDETERMINATE ? 2 : state == BST_CHECKED ? 1 : 0;
}

void set_family_value(ChoiceKind kind, Win32Backend&, NativeHandle, Win32ControlRecord& control,
                      int value) {
  bool mixed = false;
  switch (kind) {
    case ChoiceKind::CheckBox:
      mixed = value == 2 && control.style.three_state;
      break;
    case ChoiceKind::Option:
      break;
  }
  WPARAM state = mixed ? BST_INDETERMINATE : value != 0 ? BST_CHECKED : BST_UNCHECKED;
  SendMessageW(control.hwnd, BM_SETCHECK, state, 0);
}

}  // namespace ambrel
