// A window that moves to a monitor of another density (WM_DPICHANGED) is drawn at that
// density from then on: the same units, in the pixels and the fonts of the new density.

#include <utility>
#include <vector>

#include "backend/win32/win32_backend.h"

namespace ambrel {

void Win32Backend::follow_dpi_change(NativeHandle handle, int dpi, const RECT& suggested) {
  WindowInfo* window = find_window(handle);
  if (!window || dpi <= 0) return;
  HWND window_hwnd = window->hwnd;
  // Where the ui layer placed everything, read at the old density before anything moves. A
  // panel places its pages itself.
  std::vector<NativeHandle> controls;
  std::vector<std::pair<NativeHandle, Rect>> placed;
  std::vector<std::pair<NativeHandle, Size>> scrolled;
  std::vector<NativeHandle> pending = tree_.children(handle);
  while (!pending.empty()) {
    NativeHandle control = pending.back();
    pending.pop_back();
    controls.push_back(control);
    ControlKind kind = tree_.kind(control);
    if (kind != ControlKind::PanelPage) placed.emplace_back(control, control_geometry(control));
    if (kind == ControlKind::ScrollArea) scrolled.emplace_back(control, scroll_inner_size(control));
    std::vector<NativeHandle> children = tree_.children(control);
    pending.insert(pending.end(), children.begin(), children.end());
  }
  window->dpi = dpi;
  for (NativeHandle control : controls) {
    SendMessageW(hwnd(control), WM_SETFONT,
                 reinterpret_cast<WPARAM>(control_font(tree_.kind(control), dpi)), TRUE);
  }
  for (const auto& [control, geometry] : placed) set_control_geometry(control, geometry);
  for (const auto& [area, size] : scrolled) set_scroll_inner_size(area, size);
  SetWindowPos(window_hwnd, nullptr, suggested.left, suggested.top,
               suggested.right - suggested.left, suggested.bottom - suggested.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ambrel
