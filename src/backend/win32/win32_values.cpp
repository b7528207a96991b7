// Values, items and smallest sizes of the Win32 controls, through the files of their
// families. The program's changes are made with the notifications they cause ignored, so
// they are never reported as the user's.

#include <windows.h>

#include <utility>

#include "backend/control_tree.h"
#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_family_controls.h"

namespace ambrel {

int Win32Backend::control_value(NativeHandle handle) const {
  const Win32ControlRecord* control = find_control(handle);
  if (!control) return 0;
  return visit_control_family(tree_.kind(handle),
                              [&](auto kind) { return family_value(kind, *control); });
}

void Win32Backend::set_control_value(NativeHandle handle, int value) {
  Win32ControlRecord* control = find_control(handle);
  if (!control) return;
  bool was_setting = std::exchange(setting_text_, true);
  visit_control_family(tree_.kind(handle),
                       [&](auto kind) { set_family_value(kind, *this, handle, *control, value); });
  setting_text_ = was_setting;
}

int Win32Backend::add_control_item(NativeHandle handle, int position, std::u16string_view text) {
  Win32ControlRecord* control = find_control(handle);
  if (!control) return -1;
  std::wstring item = to_wide(text);
  int index = insert_position(position, control_item_count(handle));
  bool was_setting = std::exchange(setting_text_, true);
  int added = visit_control_family(
      tree_.kind(handle), [&](auto kind) { return add_family_item(kind, *control, index, item); });
  setting_text_ = was_setting;
  return added < 0 ? -1 : added;
}

int Win32Backend::control_item_count(NativeHandle handle) const {
  const Win32ControlRecord* control = find_control(handle);
  if (!control) return 0;
  return visit_control_family(tree_.kind(handle),
                              [&](auto kind) { return family_item_count(kind, *control); });
}

Size Win32Backend::control_minimum_size(NativeHandle handle) const {
  const Win32ControlRecord* control = find_control(handle);
  if (!control) return {};
  return scale_of(handle).measured_units(visit_control_family(
      tree_.kind(handle), [&](auto kind) { return family_minimum_size(kind, *control); }));
}

}  // namespace ambrel
