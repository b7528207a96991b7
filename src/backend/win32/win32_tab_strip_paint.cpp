// How a tab strip (win32_tab_strip.h) draws itself: with the visual styles' tab parts when
// they are on, else with the classic raised edges; the pages' frame below the row, the tabs
// on view with the current one standing out, and the scroll arrows when the row overflows.

#include <windows.h>
#include <uxtheme.h>
#include <vssym32.h>

#include "backend/win32/win32_tab_row.h"

namespace ambrel {

namespace {

bool focus_shown(HWND hwnd) {
  return GetFocus() == hwnd && !(SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

void paint_pane(const TabRow& row, HDC dc) {
  RECT pane = row.pane_rect();
  if (row.theme()) {
    DrawThemeBackground(row.theme(), dc, TABP_PANE, 0, &pane, nullptr);
  } else {
    DrawEdge(dc, &pane, EDGE_RAISED, BF_RECT | BF_SOFT);
  }
}

int tab_state(const TabRow& row, int index) {
  if (!IsWindowEnabled(row.hwnd())) return TIS_DISABLED;
  if (index == row.current()) return focus_shown(row.hwnd()) ? TIS_FOCUSED : TIS_SELECTED;
  return index == row.hot() ? TIS_HOT : TIS_NORMAL;
}

// The current tab stands out above and beside the others and joins the pages' frame.
RECT drawn_rect(const TabRow& row, int index) {
  RECT rect = row.tab_rect(index);
  if (index == row.current()) {
    int overhang = row.metrics().overhang;
    InflateRect(&rect, overhang, 0);
    rect.top -= overhang;
    rect.bottom += row.theme() ? 0 : 1;
  }
  return rect;
}

void paint_caption(const TabRow& row, HDC dc, int index, RECT rect) {
  const Tab& tab = row.tab(index);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(IsWindowEnabled(row.hwnd()) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (SendMessageW(row.hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) format |= DT_HIDEPREFIX;
  DrawTextW(dc, tab.text.c_str(), static_cast<int>(tab.text.size()), &rect, format);
}

void paint_tab(const TabRow& row, HDC dc, int index) {
  RECT rect = drawn_rect(row, index);
  if (row.theme()) {
    DrawThemeBackground(row.theme(), dc, TABP_TABITEM, tab_state(row, index), &rect, nullptr);
  } else {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &rect, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT | BF_SOFT);
  }
  RECT caption = row.tab_rect(index);
  if (index == row.current()) OffsetRect(&caption, 0, -row.metrics().overhang / 2);
  paint_caption(row, dc, index, caption);
  if (index == row.current() && focus_shown(row.hwnd())) {
    int inset = row.metrics().overhang + 1;
    InflateRect(&rect, -inset, -inset);
    DrawFocusRect(dc, &rect);
  }
}

// The tabs from the first shown to the row's end; the current one last, over its
// neighbours.
void paint_tabs(const TabRow& row, HDC dc) {
  int end = row.row_end();
  int saved = SaveDC(dc);
  IntersectClipRect(dc, 0, 0, end, row.pane_rect().top + 1);
  int x = row.metrics().overhang;
  bool current_shown = false;
  for (int i = row.first_shown(); i < row.count() && x < end; ++i) {
    if (i == row.current()) {
      current_shown = true;
    } else {
      paint_tab(row, dc, i);
    }
    x += row.tab(i).width;
  }
  if (current_shown) paint_tab(row, dc, row.current());
  RestoreDC(dc, saved);
}

void paint_arrow(const TabRow& row, HDC dc, RECT rect, bool forward, bool enabled, bool pressed) {
  if (row.arrows_theme()) {
    int state = !enabled ? DNHZS_DISABLED : pressed ? DNHZS_PRESSED : DNHZS_NORMAL;
    DrawThemeBackground(row.arrows_theme(), dc, forward ? SPNP_UPHORZ : SPNP_DOWNHORZ, state, &rect,
                        nullptr);
    return;
  }
  UINT state = forward ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT;
  if (!enabled) state |= DFCS_INACTIVE;
  if (pressed) state |= DFCS_PUSHED;
  DrawFrameControl(dc, &rect, DFC_SCROLL, state);
}

void paint_arrows(const TabRow& row, HDC dc, int pressed_arrow) {
  RECT both = row.arrows_rect();
  RECT back = both;
  back.right = both.left + (both.right - both.left) / 2;
  RECT forward = both;
  forward.left = back.right;
  paint_arrow(row, dc, back, false, row.first_shown() > 0, pressed_arrow < 0);
  paint_arrow(row, dc, forward, true, row.more_after(), pressed_arrow > 0);
}

}  // namespace

void paint_tab_strip(const TabRow& row, HDC dc, int pressed_arrow) {
  HGDIOBJ font = SelectObject(
      dc, row.font() ? static_cast<HGDIOBJ>(row.font()) : GetStockObject(DEFAULT_GUI_FONT));
  RECT row_area = row.pane_rect();
  row_area.bottom = row_area.top;
  row_area.top = 0;
  FillRect(dc, &row_area, GetSysColorBrush(COLOR_BTNFACE));
  paint_pane(row, dc);
  paint_tabs(row, dc);
  if (row.arrows_shown()) paint_arrows(row, dc, pressed_arrow);
  SelectObject(dc, font);
}

}  // namespace ambrel
