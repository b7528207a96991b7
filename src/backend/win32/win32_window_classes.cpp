#include "backend/win32/win32_window_classes.h"

#include <commctrl.h>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_editor.h"
#include "backend/win32/win32_tab_strip.h"

namespace ambrel {

namespace {

Win32Backend* backend_of(HWND hwnd, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Win32Backend*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

template <LRESULT (Win32Backend::*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32Backend* backend = backend_of(hwnd, message, lparam);
  if (!backend) return DefWindowProcW(hwnd, message, wparam, lparam);
  return (backend->*Handler)(hwnd, message, wparam, lparam);
}

bool register_class(const wchar_t* name, WNDPROC procedure, UINT style, HCURSOR cursor) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.style = style;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = cursor;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = name;
  // The program's icon when it has one (resource 1), else the system's.
  window_class.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  if (!window_class.hIcon) window_class.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
  return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

LRESULT CALLBACK control_subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                  DWORD_PTR data) {
  auto* backend = reinterpret_cast<Win32Backend*>(data);
  if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
    LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
    backend->control_focus(hwnd, message == WM_SETFOCUS);
    return result;
  }
  if (message == WM_NCPAINT) {
    LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
    backend->control_border_painted(hwnd);
    return result;
  }
  if (message == WM_PASTE && backend->paste_in_parts(hwnd)) return 0;
  if (message == WM_CONTEXTMENU && backend->show_editor_menu(hwnd, lparam)) return 0;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, control_subclass, 1);
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

}  // namespace

bool register_window_classes() {
  HCURSOR arrow = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  return register_class(kTopLevelClass, procedure<&Win32Backend::top_level_message>, CS_DBLCLKS,
                        arrow) &&
         register_class(kContainerClass, procedure<&Win32Backend::container_message>, 0, arrow) &&
         register_class(kSplitterClass, procedure<&Win32Backend::splitter_message>, CS_DBLCLKS,
                        nullptr) &&
         register_class(kScrollAreaClass, procedure<&Win32Backend::scroll_area_message>, 0,
                        arrow) &&
         register_class(kWakeClass, procedure<&Win32Backend::wake_message>, 0, nullptr) &&
         register_tab_strip_class() && register_editor_class();
}

void subclass_control(HWND control, Win32Backend& backend) {
  SetWindowSubclass(control, control_subclass, 1, reinterpret_cast<DWORD_PTR>(&backend));
}

}  // namespace ambrel
