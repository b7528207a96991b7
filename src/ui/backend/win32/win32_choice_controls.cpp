// The choice family on Win32: check box and option buttons, reporting a click as command 0.

#include <windows.h>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_family_controls.h"

namespace ambrel {

HWND Win32Backend::make_choice_window(const ControlRequest& request, HWND parent, ControlInfo&) {
  DWORD tab_stop = tab_stop_bit(request.style);
  switch (request.kind) {
    case ControlKind::CheckBox:
      return family_child(L"Button", request.text,
                          (request.style.three_state ? BS_AUTO3STATE : BS_AUTOCHECKBOX) | tab_stop,
                          0, parent);
    case ControlKind::Option: {
      // An option after a control of another kind starts a new group.
      auto last = last_created_.find(request.parent.value);
      bool continues = last != last_created_.end() && last->second == ControlKind::Option;
      return family_child(L"Button", request.text,
                          BS_AUTORADIOBUTTON | (continues ? 0 : WS_GROUP) | tab_stop, 0, parent);
    }
    default:
      return nullptr;
  }
}

bool Win32Backend::choice_notice(const ControlNotice& notice) {
  bool choice = notice.kind == ControlKind::CheckBox || notice.kind == ControlKind::Option;
  if (!choice || notice.message != WM_COMMAND || notice.code != BN_CLICKED) return false;
  report_command(notice.source, kClickCommand);
  return true;
}

}  // namespace ambrel
