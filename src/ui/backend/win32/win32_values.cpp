// Values, items and pages of the gadget families' controls. The program's
// changes are made with the notifications they cause ignored, so they are never reported
// as the user's.

#include <windows.h>
#include <commctrl.h>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_text.h"
#include "ui/backend/win32/win32_window_classes.h"

namespace ambrel {

namespace {

int insert_position(int position, int count) {
  return position < 0 || position > count ? count : position;
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

int tree_count(HWND tree) { return static_cast<int>(SendMessageW(tree, TVM_GETCOUNT, 0, 0)); }

// The page rectangle of a tab control, in its client coordinates.
RECT page_rect(HWND panel) {
  RECT rect{};
  GetClientRect(panel, &rect);
  SendMessageW(panel, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

// Gives a page the panel's page rectangle, shown when its tab is the current one.
void place_page(HWND page, const RECT& rect, bool current) {
  MoveWindow(page, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
  ShowWindow(page, current ? SW_SHOWNA : SW_HIDE);
}

int clamp_to_range(int value, int minimum, int maximum) {
  return minimum <= maximum ? std::clamp(value, minimum, maximum) : value;
}

}  // namespace

int Win32Backend::control_value(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return 0;
  HWND hwnd = control->hwnd;
  switch (tree_.kind(handle)) {
    case ControlKind::CheckBox:
    case ControlKind::Option: {
      auto state = SendMessageW(hwnd, BM_GETCHECK, 0, 0);
      return state == BST_INDETERMINATE ? 2 : state == BST_CHECKED ? 1 : 0;
    }
    case ControlKind::ScrollBar:
      return GetScrollPos(hwnd, SB_CTL);
    case ControlKind::ProgressBar:
      return static_cast<int>(SendMessageW(hwnd, PBM_GETPOS, 0, 0));
    case ControlKind::TrackBar:
      return static_cast<int>(SendMessageW(hwnd, TBM_GETPOS, 0, 0));
    case ControlKind::Spin:
      return static_cast<int>(SendMessageW(control->inner, UDM_GETPOS32, 0, 0));
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo:
      return static_cast<int>(SendMessageW(hwnd, CB_GETCURSEL, 0, 0));
    case ControlKind::ListView:
    case ControlKind::ExplorerList:
      return static_cast<int>(SendMessageW(hwnd, LB_GETCURSEL, 0, 0));
    case ControlKind::ListIcon:
      return static_cast<int>(
          SendMessageW(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    case ControlKind::Tree:
    case ControlKind::ExplorerTree:
      return tree_row(hwnd);
    case ControlKind::Panel:
      return static_cast<int>(SendMessageW(hwnd, TCM_GETCURSEL, 0, 0));
    default:
      return 0;
  }
}

void Win32Backend::set_control_value(NativeHandle handle, int value) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  HWND hwnd = control->hwnd;
  bool was_setting = setting_text_;
  setting_text_ = true;
  switch (tree_.kind(handle)) {
    case ControlKind::CheckBox: {
      bool mixed = value == 2 && control->style.three_state;
      SendMessageW(hwnd, BM_SETCHECK,
                   mixed        ? BST_INDETERMINATE
                   : value != 0 ? BST_CHECKED
                                : BST_UNCHECKED,
                   0);
      break;
    }
    case ControlKind::Option:
      SendMessageW(hwnd, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::ScrollBar: {
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, 0, 0, 0, 0, 0};
      GetScrollInfo(hwnd, SB_CTL, &info);
      SetScrollPos(hwnd, SB_CTL, clamp_to_range(value, info.nMin, info.nMax), TRUE);
      break;
    }
    case ControlKind::ProgressBar: {
      PBRANGE range{};
      SendMessageW(hwnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
      SendMessageW(hwnd, PBM_SETPOS,
                   static_cast<WPARAM>(clamp_to_range(value, range.iLow, range.iHigh)), 0);
      break;
    }
    case ControlKind::TrackBar:
      SendMessageW(hwnd, TBM_SETPOS, TRUE, value);
      break;
    case ControlKind::Spin:
      SendMessageW(control->inner, UDM_SETPOS32, 0, value);
      break;
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo:
      SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
      break;
    case ControlKind::ListView:
    case ControlKind::ExplorerList:
      SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
      break;
    case ControlKind::ListIcon: {
      LVITEMW item{};
      item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&item));
      item.state = item.stateMask;
      if (value >= 0)
        SendMessageW(hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(value),
                     reinterpret_cast<LPARAM>(&item));
      break;
    }
    case ControlKind::Tree:
    case ControlKind::ExplorerTree:
      SendMessageW(hwnd, TVM_SELECTITEM, TVGN_CARET,
                   reinterpret_cast<LPARAM>(tree_item(hwnd, value)));
      break;
    case ControlKind::Panel:
      SendMessageW(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(value), 0);
      show_current_page(handle);
      break;
    default:
      break;
  }
  setting_text_ = was_setting;
}

int Win32Backend::add_control_item(NativeHandle handle, int position, std::u16string_view text) {
  ControlInfo* control = find_control(handle);
  if (!control) return -1;
  HWND hwnd = control->hwnd;
  std::wstring item = to_wide(text);
  int count = control_item_count(handle);
  int index = insert_position(position, count);
  bool was_setting = setting_text_;
  setting_text_ = true;
  int added = -1;
  switch (tree_.kind(handle)) {
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo:
      added = static_cast<int>(SendMessageW(hwnd, CB_INSERTSTRING, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(item.c_str())));
      break;
    case ControlKind::ListView:
    case ControlKind::ExplorerList:
      added = static_cast<int>(SendMessageW(hwnd, LB_INSERTSTRING, static_cast<WPARAM>(index),
                                            reinterpret_cast<LPARAM>(item.c_str())));
      break;
    case ControlKind::ListIcon: {
      LVITEMW row{};
      row.mask = LVIF_TEXT;
      row.iItem = index;
      row.pszText = item.data();
      added =
          static_cast<int>(SendMessageW(hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
      break;
    }
    case ControlKind::Tree:
    case ControlKind::ExplorerTree: {
      TVINSERTSTRUCTW insert{};
      insert.hParent = TVI_ROOT;
      HTREEITEM before = index == 0 ? nullptr : tree_item(hwnd, index - 1);
      insert.hInsertAfter = index == 0 ? TVI_FIRST : before ? before : TVI_LAST;
      insert.item.mask = TVIF_TEXT;
      insert.item.pszText = item.data();
      if (SendMessageW(hwnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert))) added = index;
      break;
    }
    default:
      break;
  }
  setting_text_ = was_setting;
  return added < 0 ? -1 : added;
}

int Win32Backend::control_item_count(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return 0;
  HWND hwnd = control->hwnd;
  switch (tree_.kind(handle)) {
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo:
      return static_cast<int>(SendMessageW(hwnd, CB_GETCOUNT, 0, 0));
    case ControlKind::ListView:
    case ControlKind::ExplorerList:
      return static_cast<int>(SendMessageW(hwnd, LB_GETCOUNT, 0, 0));
    case ControlKind::ListIcon:
      return static_cast<int>(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0));
    case ControlKind::Tree:
    case ControlKind::ExplorerTree:
      return tree_count(hwnd);
    case ControlKind::Panel:
      return static_cast<int>(SendMessageW(hwnd, TCM_GETITEMCOUNT, 0, 0));
    default:
      return 0;
  }
}

NativeHandle Win32Backend::add_panel_page(NativeHandle panel_handle, int position,
                                          std::u16string_view title) {
  ControlInfo* panel = find_control(panel_handle);
  if (!panel || tree_.kind(panel_handle) != ControlKind::Panel) return kNoHandle;
  HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, kContainerClass, L"", WS_CHILD | WS_CLIPSIBLINGS,
                              0, 0, 0, 0, panel->hwnd, nullptr, GetModuleHandleW(nullptr), this);
  if (!page) return kNoHandle;
  SendMessageW(page, WM_SETFONT, SendMessageW(panel->hwnd, WM_GETFONT, 0, 0), FALSE);
  std::wstring caption = to_wide(title);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  int count = control_item_count(panel_handle);
  int index = insert_position(position, count);
  bool was_setting = setting_text_;
  setting_text_ = true;
  SendMessageW(panel->hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
  setting_text_ = was_setting;
  NativeHandle handle = tree_.add_control(ControlKind::PanelPage, panel_handle);
  // The tab control's pages keep the order of its tabs.
  tree_.move_child(handle, static_cast<std::size_t>(index));
  HWND panel_hwnd = panel->hwnd;
  ControlInfo info;
  info.hwnd = page;
  controls_.emplace(handle.value, std::move(info));
  register_hwnd(page, handle);
  if (index < count) {
    show_current_page(panel_handle);  // the tabs after it moved
  } else {
    // Appended: the other pages keep their place, and placing them all again would make
    // adding pages one by one quadratic.
    place_page(page, page_rect(panel_hwnd),
               index == static_cast<int>(SendMessageW(panel_hwnd, TCM_GETCURSEL, 0, 0)));
  }
  return handle;
}

void Win32Backend::show_current_page(NativeHandle panel_handle) {
  const ControlInfo* panel = find_control(panel_handle);
  if (!panel) return;
  RECT rect = page_rect(panel->hwnd);
  int current = static_cast<int>(SendMessageW(panel->hwnd, TCM_GETCURSEL, 0, 0));
  int index = 0;
  for (NativeHandle page : tree_.children(panel_handle)) {
    const ControlInfo* info = find_control(page);
    if (!info || tree_.kind(page) != ControlKind::PanelPage) continue;
    place_page(info->hwnd, rect, index == current);
    ++index;
  }
}

Size Win32Backend::panel_page_size(NativeHandle panel_handle) const {
  const ControlInfo* panel = find_control(panel_handle);
  if (!panel || tree_.kind(panel_handle) != ControlKind::Panel) return {};
  RECT rect = page_rect(panel->hwnd);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

int Win32Backend::panel_tab_height(NativeHandle panel_handle) const {
  const ControlInfo* panel = find_control(panel_handle);
  if (!panel || tree_.kind(panel_handle) != ControlKind::Panel) return 0;
  RECT rect{};
  if (!SendMessageW(panel->hwnd, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect))) return 0;
  return rect.bottom;
}

Size Win32Backend::control_minimum_size(NativeHandle handle) const {
  const ControlInfo* control = find_control(handle);
  if (!control) return {};
  if (tree_.kind(handle) == ControlKind::Calendar) {
    RECT rect{};
    SendMessageW(control->hwnd, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&rect));
    auto today = static_cast<int>(SendMessageW(control->hwnd, MCM_GETMAXTODAYWIDTH, 0, 0));
    return {std::max<int>(rect.right - rect.left, today), rect.bottom - rect.top};
  }
  RECT rect{};
  GetWindowRect(control->hwnd, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

std::u16string Win32Backend::family_text(const ControlInfo& control, ControlKind kind) const {
  if (kind == ControlKind::HyperLink) return control.link_caption;
  if (kind == ControlKind::ListView || kind == ControlKind::ExplorerList) {
    auto row = SendMessageW(control.hwnd, LB_GETCURSEL, 0, 0);
    if (row < 0) return {};
    std::wstring text(static_cast<std::size_t>(
                          SendMessageW(control.hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0)) +
                          1,
                      L'\0');
    auto copied = SendMessageW(control.hwnd, LB_GETTEXT, static_cast<WPARAM>(row),
                               reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
    return from_wide(text);
  }
  return window_text(control.hwnd);
}

bool Win32Backend::set_family_text(ControlInfo& control, ControlKind kind,
                                   std::u16string_view text) {
  if (kind == ControlKind::HyperLink) {
    control.link_caption = std::u16string(text);
    SetWindowTextW(control.hwnd, link_markup(text).c_str());
    return true;
  }
  return false;
}

void Win32Backend::after_geometry(NativeHandle handle) {
  ControlInfo* control = find_control(handle);
  if (!control) return;
  ControlKind kind = tree_.kind(handle);
  if (kind == ControlKind::Panel) show_current_page(handle);
  // The up-down keeps to its field's right edge.
  if (kind == ControlKind::Spin)
    SendMessageW(control->inner, UDM_SETBUDDY, reinterpret_cast<WPARAM>(control->hwnd), 0);
}

}  // namespace ambrel
