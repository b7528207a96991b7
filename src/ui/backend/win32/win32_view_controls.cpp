// The view family on Win32 (the code editor is made with the editor): the web page is a
// static text, the calendar a month calendar, the hyperlink a link control showing its
// caption as markup and reporting a click or Enter on it as command 0.

#include <windows.h>
#include <commctrl.h>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_family_controls.h"

namespace ambrel {

HWND Win32Backend::make_view_window(const ControlRequest& request, HWND parent, ControlInfo& info) {
  DWORD tab_stop = tab_stop_bit(request.style);
  switch (request.kind) {
    case ControlKind::Web:
      return family_child(L"Static", request.text, SS_NOPREFIX | SS_LEFT, 0, parent);
    case ControlKind::Calendar:
      return family_child(MONTHCAL_CLASSW, u"", tab_stop, 0, parent);
    case ControlKind::HyperLink: {
      info.link_caption = request.text;
      std::wstring markup = link_markup(request.text);
      return CreateWindowExW(0, WC_LINK, markup.c_str(), WS_CHILD | WS_CLIPSIBLINGS | tab_stop, 0,
                             0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    default:
      return nullptr;
  }
}

bool Win32Backend::view_notice(const ControlNotice& notice) {
  bool activated = notice.code == NM_CLICK || notice.code == NM_RETURN;
  if (notice.kind != ControlKind::HyperLink || notice.message != WM_NOTIFY || !activated)
    return false;
  report_command(notice.source, kClickCommand);
  return true;
}

}  // namespace ambrel
