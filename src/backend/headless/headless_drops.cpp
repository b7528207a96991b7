// Drop targets of the headless backend: a mark on the window or control, which scripted
// drops check.

#include "backend/headless/headless_backend.h"

namespace ambrel {

bool HeadlessBackend::enable_drops(NativeHandle target, bool enable) {
  if (Window* window = find_window(target)) {
    window->drops = enable;
    return true;
  }
  if (Control* control = find_control(target)) {
    control->drops = enable;
    return true;
  }
  return false;
}

bool HeadlessBackend::drops_enabled(NativeHandle target) const {
  if (const Window* window = find_window(target)) return window->drops;
  const Control* control = find_control(target);
  return control && control->drops;
}

}  // namespace ambrel
