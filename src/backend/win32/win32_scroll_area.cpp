// The scroll area: a window of our own class with the window's own scroll bars, holding an
// inner container at the size the ui layer gives it. Its controls live in the inner area,
// so their geometry stays in the area's coordinates however far it is scrolled; the bars
// (and the mouse wheel) move the inner area, and show only while it does not fit.

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_family_controls.h"
#include "backend/win32/win32_window_classes.h"

namespace ambrel {

namespace {

// Pixels an arrow of a bar moves, as the other toolkit's scroll areas move.
constexpr int kLineStep = 20;

// One bar's range is the inner extent and its page what of it shows; a bar whose page
// holds the whole range hides itself.
void set_bar(HWND area, int bar, int extent, int visible) {
  SCROLLINFO info{sizeof(SCROLLINFO),
                  SIF_RANGE | SIF_PAGE,
                  0,
                  std::max(extent, 1) - 1,
                  static_cast<UINT>(std::max(visible, 1)),
                  0,
                  0};
  SetScrollInfo(area, bar, &info, TRUE);
}

// Where a bar action takes the position, before it is held within the range.
int scrolled_position(const SCROLLINFO& info, int action) {
  int page = std::max(static_cast<int>(info.nPage), 1);
  switch (action) {
    case SB_LINEUP:
      return info.nPos - kLineStep;
    case SB_LINEDOWN:
      return info.nPos + kLineStep;
    case SB_PAGEUP:
      return info.nPos - page;
    case SB_PAGEDOWN:
      return info.nPos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return info.nTrackPos;
    case SB_TOP:
      return info.nMin;
    case SB_BOTTOM:
      return info.nMax;
    default:
      return info.nPos;
  }
}

// True when the bar is in use (its range exceeds its page) and moved.
bool move_bar(HWND area, int bar, int action) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(area, bar, &info)) return false;
  if (static_cast<int>(info.nPage) > info.nMax - info.nMin) return false;
  int position = scrolled_position(info, action);
  int furthest = info.nMax - static_cast<int>(info.nPage) + 1;
  position = std::clamp(position, info.nMin, std::max(info.nMin, furthest));
  if (position == info.nPos) return false;
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(area, bar, &info, TRUE);
  return true;
}

// The inner area where the bars say.
void place_inner(HWND area, HWND inner) {
  SetWindowPos(inner, nullptr, -GetScrollPos(area, SB_HORZ), -GetScrollPos(area, SB_VERT), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The bars for the inner size and the area's size now. A bar that appears narrows the
// client area, which may call for the other bar, so the fit is made twice.
void fit_bars(HWND area, HWND inner) {
  Size extent = window_size(inner);
  for (int pass = 0; pass < 2; ++pass) {
    RECT client{};
    GetClientRect(area, &client);
    set_bar(area, SB_HORZ, extent.width, client.right);
    set_bar(area, SB_VERT, extent.height, client.bottom);
  }
  place_inner(area, inner);
}

}  // namespace

HWND make_scroll_area(const ControlRequest& request, HWND parent, Win32ControlRecord& control,
                      Win32Backend& backend) {
  DWORD edge = request.style.border == BorderStyle::None ? 0 : WS_EX_CLIENTEDGE;
  HWND area =
      CreateWindowExW(edge | WS_EX_CONTROLPARENT, kScrollAreaClass, L"",
                      WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL, 0, 0,
                      0, 0, parent, nullptr, GetModuleHandleW(nullptr), &backend);
  if (!area) return nullptr;
  control.inner = CreateWindowExW(WS_EX_CONTROLPARENT, kContainerClass, L"",
                                  WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE, 0, 0, 0, 0, area,
                                  nullptr, GetModuleHandleW(nullptr), &backend);
  if (!control.inner) {
    DestroyWindow(area);
    return nullptr;
  }
  fit_bars(area, control.inner);
  return area;
}

LRESULT Win32Backend::scroll_area_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  // The inner area is the only child the area itself makes.
  HWND inner = GetWindow(hwnd, GW_CHILD);
  bool own_bar = (message == WM_HSCROLL || message == WM_VSCROLL) && lparam == 0;
  if (own_bar && inner) {
    if (move_bar(hwnd, message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wparam)))
      place_inner(hwnd, inner);
    return 0;
  }
  if (message == WM_MOUSEWHEEL && inner) {
    // A notch moves as far as three arrow clicks; a wheel the area cannot use goes on to
    // its parent.
    int notches = GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA;
    int action = notches > 0 ? SB_LINEUP : SB_LINEDOWN;
    bool moved = false;
    for (int step = 0; step < 3 * std::abs(notches); ++step)
      moved = move_bar(hwnd, SB_VERT, action) || moved;
    if (moved) {
      place_inner(hwnd, inner);
      return 0;
    }
  }
  if (message == WM_SIZE && inner) fit_bars(hwnd, inner);
  return container_message(hwnd, message, wparam, lparam);
}

Size Win32Backend::scroll_inner_size(NativeHandle handle) const {
  const Win32ControlRecord* area = find_control(handle);
  if (!area || tree_.kind(handle) != ControlKind::ScrollArea) return {};
  return scale_of(handle).to_units(window_size(area->inner));
}

void Win32Backend::set_scroll_inner_size(NativeHandle handle, Size size) {
  const Win32ControlRecord* area = find_control(handle);
  if (!area || tree_.kind(handle) != ControlKind::ScrollArea) return;
  Size pixels = scale_of(handle).to_pixels(size);
  SetWindowPos(area->inner, nullptr, 0, 0, std::max(pixels.width, 0), std::max(pixels.height, 0),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  fit_bars(area->hwnd, area->inner);
}

}  // namespace ambrel
