// The picture family on Win32: the image is a static control, the canvas one of our
// containers, the button image a push button reporting a click as command 0.

#include <windows.h>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_family_controls.h"
#include "ui/backend/win32/win32_window_classes.h"

namespace ambrel {

HWND Win32Backend::make_picture_window(const ControlRequest& request, HWND parent, ControlInfo&) {
  switch (request.kind) {
    case ControlKind::Image:
      return family_child(L"Static", request.text, SS_NOPREFIX | SS_LEFT, 0, parent);
    case ControlKind::Canvas:
      return family_child(kContainerClass, u"", 0, 0, parent, this);
    case ControlKind::ButtonImage:
      return family_child(L"Button", request.text, BS_PUSHBUTTON | tab_stop_bit(request.style), 0,
                          parent);
    default:
      return nullptr;
  }
}

bool Win32Backend::picture_notice(const ControlNotice& notice) {
  if (notice.kind != ControlKind::ButtonImage || notice.message != WM_COMMAND ||
      notice.code != BN_CLICKED) {
    return false;
  }
  report_command(notice.source, kClickCommand);
  return true;
}

}  // namespace ambrel
