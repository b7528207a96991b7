// The page family on Win32: the panel is a tab control whose pages add_panel_page makes (a
// page change by the user shows the new page and is reported as command 768); the scroll
// area is a window of our own class scrolling over one of our containers
// (win32_scroll_area.cpp).

#include <windows.h>
#include <commctrl.h>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_family_controls.h"

namespace ambrel {

HWND Win32Backend::make_page_window(const ControlRequest& request, HWND parent, ControlInfo& info) {
  switch (request.kind) {
    case ControlKind::Panel:
      return family_child(WC_TABCONTROLW, u"", WS_CLIPCHILDREN | tab_stop_bit(request.style),
                          WS_EX_CONTROLPARENT, parent);
    case ControlKind::ScrollArea:
      return make_scroll_area(request, parent, info);
    default:
      return nullptr;
  }
}

bool Win32Backend::page_notice(const ControlNotice& notice) {
  if (notice.kind != ControlKind::Panel || notice.message != WM_NOTIFY ||
      notice.code != TCN_SELCHANGE)
    return false;
  show_current_page(notice.control);
  report_command(notice.source, kChangeCommand);
  return true;
}

}  // namespace ambrel
