// Our own splitter control: it reports the mouse to the ui layer, which moves its bar,
// shows the cursor the ui layer chose and paints a raised grip where the ui layer places it.

#include "backend/win32/win32_backend.h"

namespace ambrel {

LRESULT Win32Backend::splitter_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (control_notification(message, wparam, lparam, result)) return result;
  NativeHandle handle = handle_of(hwnd);
  Win32ControlRecord* control = find_control(handle);
  if (!control || control->hwnd != hwnd) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (report_mouse(handle, message, wparam, lparam, true)) return 0;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      Rect grip = scale_of(handle).to_pixels(sink_ ? sink_->splitter_grip(handle) : Rect{});
      if (grip.width > 0 && grip.height > 0) {
        RECT rect{grip.x, grip.y, grip.x + grip.width, grip.y + grip.height};
        DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_MIDDLE);
      }
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT) {
        SetCursor(control->cursor ? control->cursor
                                  : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void Win32Backend::capture_mouse(NativeHandle handle) {
  if (Win32ControlRecord* control = find_control(handle)) SetCapture(control->hwnd);
}

void Win32Backend::release_mouse() {
  if (GetCapture()) ReleaseCapture();
}

NativeHandle Win32Backend::mouse_capture() const {
  HWND captured = GetCapture();
  return captured ? control_of_own(captured) : kNoHandle;
}

void Win32Backend::set_control_cursor(NativeHandle handle, Cursor cursor) {
  Win32ControlRecord* control = find_control(handle);
  if (!control) return;
  // IDC_SIZEWE, IDC_SIZENS, IDC_ARROW.
  int resource = cursor == Cursor::SizeWestEast     ? 32644
                 : cursor == Cursor::SizeNorthSouth ? 32645
                                                    : 32512;
  control->cursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(resource));
  POINT at;
  if (GetCursorPos(&at) && WindowFromPoint(at) == control->hwnd) SetCursor(control->cursor);
}

}  // namespace ambrel
