// Top-level windows and their timers on Win32: the styles the flags ask for, client sizes
// turned into frame sizes at the window's density, and the tracking sizes WM_GETMINMAXINFO
// hands the system.

#include "backend/win32/win32_backend.h"

#include <windowsx.h>

#include "backend/win32/win32_dpi.h"
#include "backend/win32/win32_text.h"
#include "backend/win32/win32_window_classes.h"

namespace ambrel {

namespace {

DWORD window_style(const WindowStyle& style) {
  // Not WS_CLIPCHILDREN: a group frame paints only its border, and its inside would stay
  // unpainted if the parent left the frame's whole rectangle out.
  DWORD bits = 0;
  if (style.frameless) return bits | WS_POPUP;
  bits |= WS_OVERLAPPED;
  if (style.caption) bits |= WS_CAPTION;
  if (style.close_box) bits |= WS_SYSMENU | WS_CAPTION;
  if (style.sizable) bits |= WS_THICKFRAME;
  if (style.minimize_box) bits |= WS_MINIMIZEBOX | WS_SYSMENU;
  if (style.maximize_box) bits |= WS_MAXIMIZEBOX | WS_SYSMENU;
  return bits;
}

// The frame size in pixels at `dpi` around a client size in units.
Size frame_size(Size client_units, DWORD style, DWORD ex_style, int dpi) {
  Size client = DpiScale(dpi).to_pixels(client_units);
  RECT rect = frame_around({0, 0, client.width, client.height}, style, ex_style, dpi);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

WindowState state_of(HWND hwnd) {
  if (IsIconic(hwnd)) return WindowState::Minimized;
  if (IsZoomed(hwnd)) return WindowState::Maximized;
  return WindowState::Normal;
}

Size client_size(HWND hwnd) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  return {rect.right, rect.bottom};
}

void hide_keyboard_cues(HWND window) {
  SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

int show_command(WindowState state, bool activate) {
  switch (state) {
    case WindowState::Minimized:
      return activate ? SW_SHOWMINIMIZED : SW_SHOWMINNOACTIVE;
    case WindowState::Maximized:
      return SW_SHOWMAXIMIZED;
    case WindowState::Normal:
      break;
  }
  return activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE;
}

}  // namespace

NativeHandle Win32Backend::create_window(const WindowRequest& request) {
  WindowInfo info;
  info.style = window_style(request.style);
  info.ex_style = request.style.tool ? WS_EX_TOOLWINDOW : 0;
  info.owner = is_window(request.owner) ? request.owner : kNoHandle;
  // At the system's density until the window is on its monitor.
  info.dpi = system_dpi();
  Size client = held_size(request.client_size);
  Size frame = frame_size(client, info.style, info.ex_style, info.dpi);
  Point position = DpiScale(info.dpi).to_pixels(request.position);
  int x = request.platform_position ? CW_USEDEFAULT : position.x;
  int y = request.platform_position ? CW_USEDEFAULT : position.y;
  HWND owner = info.owner ? find_window(info.owner)->hwnd : nullptr;
  std::wstring title = to_wide(request.title);
  info.hwnd =
      CreateWindowExW(info.ex_style, kTopLevelClass, title.c_str(), info.style, x, y, frame.width,
                      frame.height, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (!info.hwnd) return kNoHandle;
  hide_keyboard_cues(info.hwnd);
  if (int dpi = window_dpi(info.hwnd); dpi != info.dpi) {
    info.dpi = dpi;
    frame = frame_size(client, info.style, info.ex_style, dpi);
    SetWindowPos(info.hwnd, nullptr, 0, 0, frame.width, frame.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  info.reported_size = client_size(info.hwnd);
  info.reported_position = {};
  RECT rect{};
  GetWindowRect(info.hwnd, &rect);
  info.reported_position = {rect.left, rect.top};
  NativeHandle handle = tree_.add_window();
  register_hwnd(info.hwnd, handle);
  windows_.emplace(handle.value, std::move(info));
  return handle;
}

void Win32Backend::destroy_window(NativeHandle handle) {
  if (!find_window(handle)) return;
  destroy_children(tree_.children(handle));
  WindowInfo* window = find_window(handle);
  if (!window) return;
  for (int timer : window->timers) KillTimer(window->hwnd, static_cast<UINT_PTR>(timer));
  revoke_drops(*window);
  HWND hwnd = window->hwnd;
  windows_.erase(handle.value);
  tree_.remove(handle);
  drop_enabled_.erase(handle.value);
  forget_hwnd(hwnd);
  DestroyWindow(hwnd);
}

bool Win32Backend::is_window(NativeHandle handle) const { return find_window(handle) != nullptr; }

void Win32Backend::set_window_title(NativeHandle handle, std::u16string_view title) {
  if (WindowInfo* window = find_window(handle))
    SetWindowTextW(window->hwnd, to_wide(title).c_str());
}

std::u16string Win32Backend::window_title(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  return window ? window_text(window->hwnd) : std::u16string();
}

Point Win32Backend::window_position(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  if (!window) return {};
  RECT rect{};
  GetWindowRect(window->hwnd, &rect);
  return DpiScale(window->dpi).to_units(Point{rect.left, rect.top});
}

void Win32Backend::move_window(NativeHandle handle, Point position) {
  if (WindowInfo* window = find_window(handle)) {
    Point pixels = DpiScale(window->dpi).to_pixels(position);
    SetWindowPos(window->hwnd, nullptr, pixels.x, pixels.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

Size Win32Backend::window_client_size(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  if (!window || IsIconic(window->hwnd)) return {};
  return DpiScale(window->dpi).to_units(client_size(window->hwnd));
}

void Win32Backend::resize_window(NativeHandle handle, Size size) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  Size frame = frame_size(held_size(size), window->style, window->ex_style, window->dpi);
  SetWindowPos(window->hwnd, nullptr, 0, 0, frame.width, frame.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Size Win32Backend::window_frame_size(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  if (!window) return {};
  RECT rect{};
  GetWindowRect(window->hwnd, &rect);
  return DpiScale(window->dpi).to_units(Size{rect.right - rect.left, rect.bottom - rect.top});
}

void Win32Backend::set_window_size_limits(NativeHandle handle, Size minimum, Size maximum) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  window->minimum = held_size(minimum);
  window->maximum = maximum;
  // A window already outside the new limits is brought within them, through WM_GETMINMAXINFO.
  Size size = DpiScale(window->dpi).to_units(client_size(window->hwnd));
  Size wanted = size;
  wanted.width = std::max(wanted.width, window->minimum.width);
  wanted.height = std::max(wanted.height, window->minimum.height);
  if (maximum.width > 0) wanted.width = std::min(wanted.width, maximum.width);
  if (maximum.height > 0) wanted.height = std::min(wanted.height, maximum.height);
  if (wanted != size && !IsIconic(window->hwnd) && !IsZoomed(window->hwnd))
    resize_window(handle, wanted);
}

WindowState Win32Backend::window_state(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  if (!window) return WindowState::Normal;
  return IsWindowVisible(window->hwnd) ? state_of(window->hwnd) : window->hidden_state;
}

void Win32Backend::set_window_state(NativeHandle handle, WindowState state) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  window->hidden_state = state;
  if (!IsWindowVisible(window->hwnd)) return;
  ShowWindow(window->hwnd, state == WindowState::Minimized   ? SW_MINIMIZE
                           : state == WindowState::Maximized ? SW_MAXIMIZE
                                                             : SW_RESTORE);
}

void Win32Backend::show_window(NativeHandle handle, bool activate) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  if (IsWindowVisible(window->hwnd)) {
    if (activate) SetForegroundWindow(window->hwnd);
    return;
  }
  ShowWindow(window->hwnd, show_command(window->hidden_state, activate));
  if (activate) SetForegroundWindow(window->hwnd);
}

void Win32Backend::hide_window(NativeHandle handle) {
  WindowInfo* window = find_window(handle);
  if (!window || !IsWindowVisible(window->hwnd)) return;
  window->hidden_state = state_of(window->hwnd);
  ShowWindow(window->hwnd, SW_HIDE);
}

bool Win32Backend::window_visible(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  return window && IsWindowVisible(window->hwnd);
}

void Win32Backend::activate_window(NativeHandle handle) {
  if (WindowInfo* window = find_window(handle)) SetForegroundWindow(window->hwnd);
}

NativeHandle Win32Backend::active_window() const {
  NativeHandle handle = handle_of(GetActiveWindow());
  return is_window(handle) ? handle : kNoHandle;
}

NativeHandle Win32Backend::window_owner(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  return window ? window->owner : kNoHandle;
}

Rect Win32Backend::screen_area() const {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return DpiScale(system_dpi())
      .to_units(Rect{area.left, area.top, area.right - area.left, area.bottom - area.top});
}

// A window's frame keeps within the work area: the system already holds a captioned window
// to about the screen, and painting and laying out what nobody can see grows with a
// definition's depth on both sides. The client is what a captioned, sizable frame leaves.
Size Win32Backend::largest_client_size() const {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  int dpi = system_dpi();
  RECT frame = frame_around({0, 0, 0, 0}, WS_OVERLAPPEDWINDOW, 0, dpi);
  Size client{area.right - area.left - (frame.right - frame.left),
              area.bottom - area.top - (frame.bottom - frame.top)};
  return DpiScale(dpi).to_units(client);
}

bool Win32Backend::start_timer(NativeHandle handle, int timer, int milliseconds) {
  WindowInfo* window = find_window(handle);
  if (!window || milliseconds <= 0) return false;
  // SetTimer with a number already running replaces it, interval and all.
  if (!SetTimer(window->hwnd, static_cast<UINT_PTR>(timer), static_cast<UINT>(milliseconds),
                nullptr))
    return false;
  window->timers.insert(timer);
  return true;
}

bool Win32Backend::stop_timer(NativeHandle handle, int timer) {
  WindowInfo* window = find_window(handle);
  if (!window || !window->timers.erase(timer)) return false;
  KillTimer(window->hwnd, static_cast<UINT_PTR>(timer));
  return true;
}

void Win32Backend::report_geometry(WindowInfo& window) {
  WindowState state = state_of(window.hwnd);
  Size size = state == WindowState::Minimized ? Size{} : client_size(window.hwnd);
  if (size == window.reported_size && state == window.reported_state) return;
  window.reported_size = size;
  window.reported_state = state;
  if (sink_) sink_->on_window_resized(handle_of(window.hwnd), state);
}

bool Win32Backend::report_mouse(NativeHandle target, UINT message, WPARAM wparam, LPARAM lparam,
                                bool moves) {
  MouseInput input;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      input.action = MouseAction::Press;
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      input.action = MouseAction::Release;
      break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
      input.action = MouseAction::DoubleClick;
      break;
    case WM_MOUSEMOVE:
      if (!moves) return false;
      input.action = MouseAction::Move;
      break;
    default:
      return false;
  }
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK)
    input.button = MouseButton::Left;
  if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP || message == WM_RBUTTONDBLCLK)
    input.button = MouseButton::Right;
  input.position = scale_of(target).to_units(Point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
  if (wparam & MK_SHIFT) input.modifiers |= kModifierShift;
  if (wparam & MK_CONTROL) input.modifiers |= kModifierControl;
  if (GetKeyState(VK_MENU) & 0x8000) input.modifiers |= kModifierAlt;
  if (sink_) sink_->on_mouse(target, input);
  return true;
}

LRESULT Win32Backend::top_level_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (control_notification(message, wparam, lparam, result)) return result;
  NativeHandle handle = handle_of(hwnd);
  WindowInfo* window = find_window(handle);
  if (!window || window->hwnd != hwnd) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (report_mouse(handle, message, wparam, lparam, false)) return 0;
  switch (message) {
    case WM_CLOSE:
      // The program decides whether a window closes.
      if (sink_) sink_->on_close_request(handle);
      return 0;
    case WM_SIZE:
      report_geometry(*window);
      return 0;
    case WM_MOVE: {
      RECT rect{};
      GetWindowRect(hwnd, &rect);
      Point position{rect.left, rect.top};
      if (position != window->reported_position && !IsIconic(hwnd)) {
        window->reported_position = position;
        if (sink_) sink_->on_window_moved(handle);
      }
      return 0;
    }
    case WM_ACTIVATE: {
      bool active = LOWORD(wparam) != WA_INACTIVE;
      if (!active) hide_keyboard_cues(hwnd);
      if (active != window->active) {
        window->active = active;
        if (sink_) sink_->on_window_activation(handle, active);
      }
      break;
    }
    case WM_TIMER:
      if (window->timers.contains(static_cast<int>(wparam)) && sink_)
        sink_->on_timer(handle, static_cast<int>(wparam));
      return 0;
    case WM_SETCURSOR:
      // Asked first for every child that leaves its pointer to the default handling.
      if (busy_pointer_shown_ && LOWORD(lparam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_APPSTARTING)));
        return TRUE;
      }
      break;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      if (window->minimum.width > 0 || window->minimum.height > 0) {
        Size frame = frame_size(window->minimum, window->style, window->ex_style, window->dpi);
        info->ptMinTrackSize = {frame.width, frame.height};
      }
      if (window->maximum.width > 0 || window->maximum.height > 0) {
        Size frame = frame_size(window->maximum, window->style, window->ex_style, window->dpi);
        if (window->maximum.width > 0) info->ptMaxTrackSize.x = frame.width;
        if (window->maximum.height > 0) info->ptMaxTrackSize.y = frame.height;
      }
      return 0;
    }
    case WM_DPICHANGED:
      follow_dpi_change(handle, HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace ambrel
