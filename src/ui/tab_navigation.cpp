#include "ui/tab_navigation.h"

#include <algorithm>
#include <vector>

namespace ambrel {

namespace {

// A shortcut field records the keys pressed in it, Tab and Shift+Tab too.
bool records_keys(const BackendControls& controls, NativeHandle control) {
  return controls.is_control(control) && controls.control_kind(control) == ControlKind::Shortcut;
}

bool types_tab(const BackendControls& controls, NativeHandle control) {
  return controls.is_control(control) && controls.control_kind(control) == ControlKind::Editor &&
         !controls.control_style(control).read_only && controls.control_enabled(control);
}

// Tab stops among all descendants, in child order; a hidden or disabled container hides
// its children too. Iterative: definitions may nest deeply.
std::vector<NativeHandle> tab_stops(const BackendControls& controls, NativeHandle window) {
  std::vector<NativeHandle> stops;
  std::vector<NativeHandle> pending = controls.child_controls(window);
  std::reverse(pending.begin(), pending.end());
  while (!pending.empty()) {
    NativeHandle control = pending.back();
    pending.pop_back();
    if (!controls.control_visible(control) || !controls.control_enabled(control)) continue;
    if (controls.control_style(control).tab_stop) stops.push_back(control);
    std::vector<NativeHandle> children = controls.child_controls(control);
    pending.insert(pending.end(), children.rbegin(), children.rend());
  }
  return stops;
}

}  // namespace

bool handle_tab_key(BackendControls& controls, NativeHandle window, bool backward) {
  NativeHandle focused = controls.focused_control();
  if (records_keys(controls, focused) || (!backward && types_tab(controls, focused))) return false;
  std::vector<NativeHandle> stops = tab_stops(controls, window);
  if (stops.empty()) return true;
  auto at = std::find(stops.begin(), stops.end(), focused);
  std::size_t next = 0;
  if (at == stops.end()) {
    next = backward ? stops.size() - 1 : 0;
  } else {
    std::size_t index = static_cast<std::size_t>(at - stops.begin());
    next = backward ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
  }
  controls.set_focus(stops[next]);
  return true;
}

}  // namespace ambrel
