// The list family on Win32: list boxes for the list view and the explorer's file list, a
// report-style list view for the list icon, tree views for the tree and the folder tree.
// A click on an item is reported as command 0, a double click as 2.

#include <windows.h>
#include <commctrl.h>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_family_controls.h"

namespace ambrel {

namespace {

// A list icon's first column, as wide as the dialog engine creates it.
constexpr int kFirstColumnWidth = 300;

HWND make_list_icon(const ControlRequest& request, HWND parent) {
  DWORD style = LVS_REPORT | LVS_SHOWSELALWAYS | (request.style.multi_select ? 0 : LVS_SINGLESEL) |
                tab_stop_bit(request.style);
  HWND list = family_child(WC_LISTVIEWW, u"", style, WS_EX_CLIENTEDGE, parent);
  if (!list) return nullptr;
  DWORD extended = LVS_EX_FULLROWSELECT | (request.style.check_boxes ? LVS_EX_CHECKBOXES : 0);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  std::wstring title = to_wide(request.text);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = kFirstColumnWidth;
  column.pszText = title.data();
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  return list;
}

bool is_list_box(ControlKind kind) {
  return kind == ControlKind::ListView || kind == ControlKind::ExplorerList;
}

bool is_common_list(ControlKind kind) {
  return kind == ControlKind::ListIcon || kind == ControlKind::Tree ||
         kind == ControlKind::ExplorerTree;
}

}  // namespace

HWND Win32Backend::make_list_window(const ControlRequest& request, HWND parent, ControlInfo&) {
  const ControlStyle& style = request.style;
  DWORD tab_stop = tab_stop_bit(style);
  switch (request.kind) {
    case ControlKind::ListView:
    case ControlKind::ExplorerList:
      return family_child(L"ListBox", u"",
                          LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                              (style.multi_select ? LBS_EXTENDEDSEL : 0) | tab_stop,
                          WS_EX_CLIENTEDGE, parent);
    case ControlKind::ListIcon:
      return make_list_icon(request, parent);
    case ControlKind::Tree:
    case ControlKind::ExplorerTree:
      return family_child(WC_TREEVIEWW, u"",
                          TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS |
                              (style.check_boxes ? TVS_CHECKBOXES : 0) | tab_stop,
                          WS_EX_CLIENTEDGE, parent);
    default:
      return nullptr;
  }
}

bool Win32Backend::list_notice(const ControlNotice& notice) {
  if (notice.message == WM_COMMAND && is_list_box(notice.kind) &&
      (notice.code == LBN_SELCHANGE || notice.code == LBN_DBLCLK)) {
    report_command(notice.source, notice.code == LBN_DBLCLK ? kDoubleClickCommand : kClickCommand);
    return true;
  }
  if (notice.message == WM_NOTIFY && is_common_list(notice.kind) &&
      (notice.code == NM_CLICK || notice.code == NM_DBLCLK)) {
    report_command(notice.source, notice.code == NM_DBLCLK ? kDoubleClickCommand : kClickCommand);
    return true;
  }
  return false;
}

}  // namespace ambrel
