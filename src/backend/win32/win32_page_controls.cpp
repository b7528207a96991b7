// The page family on Win32: the panel is a tab strip (win32_tab_strip.h, which answers the
// tab control's messages) whose pages add_panel_page makes (a page change by the user shows
// the new page and is reported as command Change); the scroll area is a window of our own
// class scrolling over one of our containers (win32_scroll_area.cpp).

#include <windows.h>
#include <commctrl.h>

#include "backend/control_tree.h"
#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_family_controls.h"
#include "backend/win32/win32_tab_strip.h"
#include "backend/win32/win32_window_classes.h"

namespace ambrel {

namespace {

// The page rectangle of a tab strip, in its client coordinates.
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

}  // namespace

HWND make_window(PageKind kind, const ControlRequest& request, HWND parent,
                 Win32ControlRecord& control, Win32Backend& backend) {
  switch (kind) {
    case PageKind::Panel:
      return family_child(kTabStripClass, u"", WS_CLIPCHILDREN | tab_stop_bit(request.style),
                          WS_EX_CONTROLPARENT, parent);
    case PageKind::ScrollArea:
      return make_scroll_area(request, parent, control, backend);
    case PageKind::PanelPage:  // made by add_panel_page
      break;
  }
  return nullptr;
}

bool family_notice(PageKind kind, const ControlNotice& notice, Win32Backend& backend) {
  switch (kind) {
    case PageKind::Panel:
      if (notice.message != WM_NOTIFY || notice.code != TCN_SELCHANGE) return false;
      backend.show_current_page(notice.control);
      backend.report_command(notice.source, ControlCommand::Change);
      return true;
    case PageKind::ScrollArea:
    case PageKind::PanelPage:
      break;
  }
  return false;
}

// The panel's current page.
int family_value(PageKind kind, const Win32ControlRecord& control) {
  switch (kind) {
    case PageKind::Panel:
      return static_cast<int>(SendMessageW(control.hwnd, TCM_GETCURSEL, 0, 0));
    case PageKind::ScrollArea:
    case PageKind::PanelPage:
      break;
  }
  return 0;
}

void set_family_value(PageKind kind, Win32Backend& backend, NativeHandle handle,
                      Win32ControlRecord& control, int value) {
  switch (kind) {
    case PageKind::Panel:
      SendMessageW(control.hwnd, TCM_SETCURSEL, static_cast<WPARAM>(value), 0);
      backend.show_current_page(handle);
      return;
    case PageKind::ScrollArea:
    case PageKind::PanelPage:
      return;
  }
}

// A panel's tabs.
int family_item_count(PageKind kind, const Win32ControlRecord& control) {
  switch (kind) {
    case PageKind::Panel:
      return static_cast<int>(SendMessageW(control.hwnd, TCM_GETITEMCOUNT, 0, 0));
    case PageKind::ScrollArea:
    case PageKind::PanelPage:
      break;
  }
  return 0;
}

void after_geometry(PageKind kind, Win32Backend& backend, NativeHandle handle,
                    Win32ControlRecord&) {
  switch (kind) {
    case PageKind::Panel:
      backend.show_current_page(handle);
      return;
    case PageKind::ScrollArea:
    case PageKind::PanelPage:
      return;
  }
}

NativeHandle Win32Backend::add_panel_page(NativeHandle panel_handle, int position,
                                          std::u16string_view title) {
  Win32ControlRecord* panel = find_control(panel_handle);
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
  // The panel's pages keep the order of its tabs.
  tree_.move_child(handle, static_cast<std::size_t>(index));
  HWND panel_hwnd = panel->hwnd;
  Win32ControlRecord info;
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
  const Win32ControlRecord* panel = find_control(panel_handle);
  if (!panel) return;
  RECT rect = page_rect(panel->hwnd);
  int current = static_cast<int>(SendMessageW(panel->hwnd, TCM_GETCURSEL, 0, 0));
  int index = 0;
  for (NativeHandle page : tree_.children(panel_handle)) {
    const Win32ControlRecord* info = find_control(page);
    if (!info || tree_.kind(page) != ControlKind::PanelPage) continue;
    place_page(info->hwnd, rect, index == current);
    ++index;
  }
}

Size Win32Backend::panel_page_size(NativeHandle panel_handle) const {
  const Win32ControlRecord* panel = find_control(panel_handle);
  if (!panel || tree_.kind(panel_handle) != ControlKind::Panel) return {};
  RECT rect = page_rect(panel->hwnd);
  return scale_of(panel_handle).to_units(Size{rect.right - rect.left, rect.bottom - rect.top});
}

int Win32Backend::panel_tab_height(NativeHandle panel_handle) const {
  const Win32ControlRecord* panel = find_control(panel_handle);
  if (!panel || tree_.kind(panel_handle) != ControlKind::Panel) return 0;
  RECT rect{};
  if (!SendMessageW(panel->hwnd, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect))) return 0;
  return scale_of(panel_handle).measured_units(static_cast<int>(rect.bottom));
}

}  // namespace ambrel
