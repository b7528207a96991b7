// Drop targets: a window is registered with OLE while it or one of its controls takes drops.

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_drop_target.h"

namespace ambrel {

namespace {

long long area(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
}

bool holds(HWND hwnd, POINT at) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return IsWindowVisible(hwnd) && PtInRect(&rect, at);
}

}  // namespace

bool Win32Backend::enable_drops(NativeHandle target, bool enable) {
  if (!is_window(target) && !is_control(target)) return false;
  if (enable) {
    drop_enabled_.insert(target.value);
  } else {
    drop_enabled_.erase(target.value);
  }
  update_drop_registration(is_window(target) ? target : tree_.window_of(target));
  return true;
}

NativeHandle Win32Backend::drop_target_at(NativeHandle window, Point screen) const {
  POINT at{screen.x, screen.y};
  NativeHandle best;
  long long best_area = 0;
  for (std::uint64_t number : drop_enabled_) {
    NativeHandle candidate{number};
    NativeHandle candidate_window = is_window(candidate) ? candidate : tree_.window_of(candidate);
    HWND candidate_hwnd = hwnd(candidate);
    if (candidate_window != window || !candidate_hwnd || !holds(candidate_hwnd, at)) continue;
    long long candidate_area = area(candidate_hwnd);
    if (!best || candidate_area < best_area) {
      best = candidate;
      best_area = candidate_area;
    }
  }
  return best;
}

void Win32Backend::update_drop_registration(NativeHandle handle) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  bool wanted = false;
  for (std::uint64_t number : drop_enabled_) {
    NativeHandle candidate{number};
    if (candidate == handle || tree_.window_of(candidate) == handle) wanted = true;
  }
  if (wanted && !window->drop_target && ole_started_) {
    auto* target = new Win32DropTarget(*this, handle);
    if (SUCCEEDED(RegisterDragDrop(window->hwnd, target))) {
      window->drop_target = target;
    } else {
      target->Release();
    }
  } else if (!wanted) {
    revoke_drops(*window);
  }
}

void Win32Backend::revoke_drops(WindowInfo& window) {
  if (!window.drop_target) return;
  RevokeDragDrop(window.hwnd);
  window.drop_target->Release();
  window.drop_target = nullptr;
}

}  // namespace ambrel
