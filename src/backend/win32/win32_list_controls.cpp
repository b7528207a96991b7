// The list family on Win32: list boxes for the list view and the explorer's file list, a
// report-style list view for the list icon, tree views for the tree and the folder tree.
// A click on an item is reported as command Click, a double click as DoubleClick.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_family_controls.h"

namespace ambrel {

namespace {

// A list icon's first column, as wide as the dialog engine creates it.
constexpr int kFirstColumnWidth = 300;

HWND make_list_box(const ControlStyle& style, HWND parent) {
  return family_child(L"ListBox", u"",
                      LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                          (style.multi_select ? LBS_EXTENDEDSEL : 0) | tab_stop_bit(style),
                      WS_EX_CLIENTEDGE, parent);
}

HWND make_tree_view(const ControlStyle& style, HWND parent) {
  return family_child(WC_TREEVIEWW, u"",
                      TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS |
                          (style.check_boxes ? TVS_CHECKBOXES : 0) | tab_stop_bit(style),
                      WS_EX_CLIENTEDGE, parent);
}

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

// The explorer's views show the folder their text names.
HWND make_folder_view(const ControlRequest& request, HWND parent, Win32ControlRecord& control,
                      bool folders_only) {
  HWND view =
      folders_only ? make_tree_view(request.style, parent) : make_list_box(request.style, parent);
  if (!view) return nullptr;
  ExplorerFolder shown{explorer_folder(request.text)};
  if (folders_only) {
    show_subfolders(view, shown.folder);
  } else {
    show_folder_entries(view, shown.folder);
  }
  control.kind_state = std::move(shown);
  return view;
}

int tree_row(HWND tree) {
  auto selected = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  int row = 0;
  for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
       item; item = reinterpret_cast<HTREEITEM>(
                 SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))),
            ++row) {
    if (item == selected) return row;
  }
  return -1;
}

HTREEITEM tree_item(HWND tree, int row) {
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  for (; item && row > 0; --row) {
    item = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
  }
  return row < 0 ? nullptr : item;
}

// The list box's chosen item's text.
std::u16string chosen_text(HWND list) {
  auto row = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (row < 0) return {};
  std::wstring text(
      static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0)) + 1,
      L'\0');
  auto copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row),
                             reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
  return from_wide(text);
}

}  // namespace

HWND make_window(ListKind kind, const ControlRequest& request, HWND parent,
                 Win32ControlRecord& control, Win32Backend&) {
  switch (kind) {
    case ListKind::ListView:
      return make_list_box(request.style, parent);
    case ListKind::ListIcon:
      return make_list_icon(request, parent);
    case ListKind::Tree:
      return make_tree_view(request.style, parent);
    case ListKind::ExplorerList:
      return make_folder_view(request, parent, control, false);
    case ListKind::ExplorerTree:
      return make_folder_view(request, parent, control, true);
  }
  return nullptr;
}

bool family_notice(ListKind kind, const ControlNotice& notice, Win32Backend& backend) {
  bool clicked = false;
  bool double_clicked = false;
  switch (kind) {
    case ListKind::ListView:
    case ListKind::ExplorerList:
      clicked = notice.message == WM_COMMAND && notice.code == LBN_SELCHANGE;
      double_clicked = notice.message == WM_COMMAND && notice.code == LBN_DBLCLK;
      break;
    case ListKind::ListIcon:
    case ListKind::Tree:
    case ListKind::ExplorerTree:
      clicked = notice.message == WM_NOTIFY && notice.code == NM_CLICK;
      double_clicked = notice.message == WM_NOTIFY && notice.code == NM_DBLCLK;
      break;
  }
  if (!clicked && !double_clicked) return false;
  backend.report_command(notice.source,
                         double_clicked ? ControlCommand::DoubleClick : ControlCommand::Click);
  return true;
}

// The chosen item (-1 none).
int family_value(ListKind kind, const Win32ControlRecord& control) {
  HWND hwnd = control.hwnd;
  switch (kind) {
    case ListKind::ListView:
    case ListKind::ExplorerList:
      return static_cast<int>(SendMessageW(hwnd, LB_GETCURSEL, 0, 0));
    case ListKind::ListIcon:
      return static_cast<int>(
          SendMessageW(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    case ListKind::Tree:
    case ListKind::ExplorerTree:
      return tree_row(hwnd);
  }
  return 0;
}

void set_family_value(ListKind kind, Win32Backend&, NativeHandle, Win32ControlRecord& control,
                      int value) {
  HWND hwnd = control.hwnd;
  switch (kind) {
    case ListKind::ListView:
    case ListKind::ExplorerList:
      SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
      return;
    case ListKind::ListIcon: {
      LVITEMW item{};
      item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&item));
      item.state = item.stateMask;
      if (value >= 0)
        SendMessageW(hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(value),
                     reinterpret_cast<LPARAM>(&item));
      return;
    }
    case ListKind::Tree:
    case ListKind::ExplorerTree:
      SendMessageW(hwnd, TVM_SELECTITEM, TVGN_CARET,
                   reinterpret_cast<LPARAM>(tree_item(hwnd, value)));
      return;
  }
}

int family_item_count(ListKind kind, const Win32ControlRecord& control) {
  HWND hwnd = control.hwnd;
  switch (kind) {
    case ListKind::ListView:
    case ListKind::ExplorerList:
      return static_cast<int>(SendMessageW(hwnd, LB_GETCOUNT, 0, 0));
    case ListKind::ListIcon:
      return static_cast<int>(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0));
    case ListKind::Tree:
    case ListKind::ExplorerTree:
      return static_cast<int>(SendMessageW(hwnd, TVM_GETCOUNT, 0, 0));
  }
  return 0;
}

int add_family_item(ListKind kind, Win32ControlRecord& control, int index, std::wstring& item) {
  HWND hwnd = control.hwnd;
  switch (kind) {
    case ListKind::ListView:
    case ListKind::ExplorerList:
      return static_cast<int>(SendMessageW(hwnd, LB_INSERTSTRING, static_cast<WPARAM>(index),
                                           reinterpret_cast<LPARAM>(item.c_str())));
    case ListKind::ListIcon: {
      LVITEMW row{};
      row.mask = LVIF_TEXT;
      row.iItem = index;
      row.pszText = item.data();
      return static_cast<int>(
          SendMessageW(hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
    }
    case ListKind::Tree:
    case ListKind::ExplorerTree: {
      TVINSERTSTRUCTW insert{};
      insert.hParent = TVI_ROOT;
      HTREEITEM before = index == 0 ? nullptr : tree_item(hwnd, index - 1);
      insert.hInsertAfter = index == 0 ? TVI_FIRST : before ? before : TVI_LAST;
      insert.item.mask = TVIF_TEXT;
      insert.item.pszText = item.data();
      bool added = SendMessageW(hwnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)) != 0;
      return added ? index : -1;
    }
  }
  return -1;
}

// A list box's text is its chosen item's.
std::u16string family_text(ListKind kind, const Win32ControlRecord& control) {
  switch (kind) {
    case ListKind::ListView:
    case ListKind::ExplorerList:
      return chosen_text(control.hwnd);
    case ListKind::ListIcon:
    case ListKind::Tree:
    case ListKind::ExplorerTree:
      break;
  }
  return window_text(control.hwnd);
}

}  // namespace ambrel
