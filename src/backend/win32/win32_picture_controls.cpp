// The picture family on Win32: the image is a static control, the canvas one of our
// containers, the button image a push button reporting a click as command Click.

#include <windows.h>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_family_controls.h"
#include "backend/win32/win32_window_classes.h"

namespace ambrel {

HWND make_window(PictureKind kind, const ControlRequest& request, HWND parent, Win32ControlRecord&,
                 Win32Backend& backend) {
  switch (kind) {
    case PictureKind::Image:
      return family_child(L"Static", request.text, SS_NOPREFIX | SS_LEFT, 0, parent);
    case PictureKind::Canvas:
      return family_child(kContainerClass, u"", 0, 0, parent, &backend);
    case PictureKind::ButtonImage:
      return family_child(L"Button", request.text, BS_PUSHBUTTON | tab_stop_bit(request.style), 0,
                          parent);
  }
  return nullptr;
}

bool family_notice(PictureKind kind, const ControlNotice& notice, Win32Backend& backend) {
  switch (kind) {
    case PictureKind::ButtonImage:
      if (notice.message != WM_COMMAND || notice.code != BN_CLICKED) return false;
      backend.report_command(notice.source, ControlCommand::Click);
      return true;
    case PictureKind::Image:
    case PictureKind::Canvas:
      break;
  }
  return false;
}

}  // namespace ambrel
