#include "backend/win32/win32_tab_strip.h"

#include <commctrl.h>
#include <windowsx.h>

#include "backend/win32/win32_tab_row.h"

namespace ambrel {

// The tab strip's painting (win32_tab_strip_paint.cpp).
void paint_tab_strip(const TabRow& row, HDC dc, int pressed_arrow);

namespace {

// Holding an arrow scrolls on after a pause, as the up-down control does.
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeatMs = 400;
constexpr UINT kRepeatMs = 50;

// Each strip's state, kept in its window.
struct StripState {
  explicit StripState(HWND hwnd) : row(hwnd) {}
  TabRow row;
  int pressed_arrow = 0;  // while the mouse holds one: -1 back, 1 forward
};

StripState* state_of(HWND hwnd) {
  return reinterpret_cast<StripState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// Tells the parent as the tab control does; the answer to TCN_SELCHANGING can refuse.
LRESULT notify_parent(HWND hwnd, UINT code) {
  NMHDR header{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code};
  return SendMessageW(GetParent(hwnd), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// The user makes a tab current.
void choose(StripState& state, int index) {
  TabRow& row = state.row;
  if (index < 0 || index >= row.count()) return;
  if (index == row.current()) {
    row.select(index);  // brought on view all the same
  } else {
    if (notify_parent(row.hwnd(), TCN_SELCHANGING)) return;
    row.select(index);
    notify_parent(row.hwnd(), TCN_SELCHANGE);
  }
  InvalidateRect(row.hwnd(), nullptr, TRUE);
}

void scroll(StripState& state, bool forward) {
  if (state.row.scroll(forward)) InvalidateRect(state.row.hwnd(), nullptr, TRUE);
}

// The next tab or the previous one, going round after the last when `wrap`.
int step_from(const TabRow& row, int step, bool wrap) {
  int target = row.current() + step;
  if (wrap) return (target + row.count()) % row.count();
  return target;
}

bool key_down(StripState& state, WPARAM key) {
  const TabRow& row = state.row;
  if (row.count() == 0) return false;
  bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  int target = -1;
  if (key == VK_TAB && control) {
    target = step_from(row, shift ? -1 : 1, true);
  } else if ((key == VK_NEXT || key == VK_PRIOR) && control) {
    target = step_from(row, key == VK_NEXT ? 1 : -1, true);
  } else if (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) {
    target = step_from(row, key == VK_RIGHT || key == VK_DOWN ? 1 : -1, false);
  } else if (key == VK_HOME || key == VK_END) {
    target = key == VK_HOME ? 0 : row.count() - 1;
  } else {
    return false;
  }
  choose(state, target);
  return true;
}

// Which arrow is under the point: -1 back, 1 forward, 0 none.
int arrow_at(const TabRow& row, POINT point) {
  if (!row.arrows_shown()) return 0;
  RECT arrows = row.arrows_rect();
  if (!PtInRect(&arrows, point)) return 0;
  return point.x < arrows.left + (arrows.right - arrows.left) / 2 ? -1 : 1;
}

void button_down(StripState& state, HWND hwnd, POINT point) {
  if (int arrow = arrow_at(state.row, point)) {
    state.pressed_arrow = arrow;
    SetCapture(hwnd);
    scroll(state, arrow > 0);
    SetTimer(hwnd, kRepeatTimer, kFirstRepeatMs, nullptr);
    return;
  }
  int index = state.row.tab_at(point);
  if (index < 0) return;
  if (GetFocus() != hwnd) SetFocus(hwnd);
  choose(state, index);
}

void release_arrow(StripState& state, HWND hwnd) {
  if (!state.pressed_arrow) return;
  state.pressed_arrow = 0;
  KillTimer(hwnd, kRepeatTimer);
  InvalidateRect(hwnd, nullptr, TRUE);
}

void repeat_arrow(StripState& state, HWND hwnd) {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(hwnd, &point);
  if (state.pressed_arrow && arrow_at(state.row, point) == state.pressed_arrow)
    scroll(state, state.pressed_arrow > 0);
  SetTimer(hwnd, kRepeatTimer, kRepeatMs, nullptr);
}

// The tab under the pointer is drawn hot where the visual styles have such a state.
void track_hot(StripState& state, HWND hwnd, POINT point) {
  int hot = state.row.tab_at(point);
  if (hot == state.row.hot()) return;
  state.row.set_hot(hot);
  if (state.row.theme()) InvalidateRect(hwnd, nullptr, TRUE);
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
  TrackMouseEvent(&track);
}

// Sets the current tab; the tab control answers with the one before, or -1.
LRESULT set_current(StripState& state, WPARAM index) {
  int before = state.row.current();
  if (!state.row.select(static_cast<int>(index))) return -1;
  InvalidateRect(state.row.hwnd(), nullptr, TRUE);
  return before;
}

LRESULT insert_tab(StripState& state, WPARAM index, LPARAM lparam) {
  const auto* item = reinterpret_cast<const TCITEMW*>(lparam);
  if (!item) return -1;
  const wchar_t* text = (item->mask & TCIF_TEXT) ? item->pszText : nullptr;
  int placed = state.row.insert(static_cast<int>(index), text);
  InvalidateRect(state.row.hwnd(), nullptr, TRUE);
  return placed;
}

LRESULT item_rect(const TabRow& row, WPARAM index, LPARAM lparam) {
  auto* rect = reinterpret_cast<RECT*>(lparam);
  int at = static_cast<int>(index);
  if (!rect || at < 0 || at >= row.count()) return FALSE;
  *rect = row.tab_rect(at);
  return TRUE;
}

LRESULT paint(const StripState& state, HWND hwnd) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd, &paint);
  paint_tab_strip(state.row, dc, state.pressed_arrow);
  EndPaint(hwnd, &paint);
  return 0;
}

// The tab control's messages the backend uses.
bool tab_message(StripState& state, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case TCM_INSERTITEMW:
      result = insert_tab(state, wparam, lparam);
      return true;
    case TCM_GETITEMCOUNT:
      result = state.row.count();
      return true;
    case TCM_GETCURSEL:
      result = state.row.current();
      return true;
    case TCM_SETCURSEL:
      result = set_current(state, wparam);
      return true;
    case TCM_GETITEMRECT:
      result = item_rect(state.row, wparam, lparam);
      return true;
    case TCM_ADJUSTRECT:
      if (lparam) state.row.adjust(*reinterpret_cast<RECT*>(lparam), wparam != 0);
      result = 0;
      return true;
    default:  // every other message is the window's
      return false;
  }
}

// Input and the window's own messages.
bool window_message(StripState& state, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                    LRESULT& result) {
  POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  result = 0;
  switch (message) {
    case WM_PAINT:
      result = paint(state, hwnd);
      return true;
    case WM_PRINTCLIENT:
      paint_tab_strip(state.row, reinterpret_cast<HDC>(wparam), state.pressed_arrow);
      return true;
    case WM_SETFONT:
      state.row.set_font(reinterpret_cast<HFONT>(wparam));
      if (LOWORD(lparam)) InvalidateRect(hwnd, nullptr, TRUE);
      return true;
    case WM_GETFONT:
      result = reinterpret_cast<LRESULT>(state.row.font());
      return true;
    case WM_THEMECHANGED:
      state.row.reopen_theme();
      InvalidateRect(hwnd, nullptr, TRUE);
      return true;
    case WM_SIZE:
      state.row.select(state.row.current());  // the wider strip may show every tab
      return false;
    case WM_GETDLGCODE:
      result = DLGC_WANTARROWS;
      return true;
    case WM_KEYDOWN:
      return key_down(state, wparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      button_down(state, hwnd, point);
      return true;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd) ReleaseCapture();
      release_arrow(state, hwnd);
      return true;
    case WM_CAPTURECHANGED:
      release_arrow(state, hwnd);
      return true;
    case WM_TIMER:
      if (wparam == kRepeatTimer) repeat_arrow(state, hwnd);
      return wparam == kRepeatTimer;
    case WM_MOUSEMOVE:
      track_hot(state, hwnd, point);
      return true;
    case WM_MOUSELEAVE:
      track_hot(state, hwnd, {-1, -1});
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_UPDATEUISTATE:
      InvalidateRect(hwnd, nullptr, TRUE);
      return false;
    default:  // every other message is the default window procedure's
      return false;
  }
}

LRESULT CALLBACK strip_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new StripState(hwnd)));
  }
  StripState* state = state_of(hwnd);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete state;
    state = nullptr;
  }
  LRESULT result = 0;
  if (state && (tab_message(*state, message, wparam, lparam, result) ||
                window_message(*state, hwnd, message, wparam, lparam, result)))
    return result;
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

bool register_tab_strip_class() {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = strip_procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kTabStripClass;
  return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND enclosing_tab_strip(HWND hwnd) {
  wchar_t name[32] = {};
  for (; hwnd && (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD); hwnd = GetParent(hwnd)) {
    if (GetClassNameW(hwnd, name, 32) && lstrcmpW(name, kTabStripClass) == 0) return hwnd;
  }
  return nullptr;
}

}  // namespace ambrel
