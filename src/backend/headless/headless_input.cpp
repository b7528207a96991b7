// Scripted user input of the headless backend: each call reports what a real desktop
// would report for the same action.

#include <utility>

#include "backend/headless/headless_backend.h"
#include "backend/headless/headless_kinds.h"

namespace ambrel {

void HeadlessBackend::user_close(NativeHandle window) {
  if (is_window(window) && sink_) sink_->on_close_request(window);
}

void HeadlessBackend::user_move(NativeHandle window, Point position) {
  move_window(window, position);
}

void HeadlessBackend::user_resize(NativeHandle handle, Size client_size) {
  Window* window = find_window(handle);
  if (!window) return;
  Size size = clamp_to_limits(*window, client_size);
  if (window->state == WindowState::Normal) {
    change_size(handle, size);
    return;
  }
  // Dragging the frame of a maximized window makes it a normal one of the dragged size.
  window->state = WindowState::Normal;
  window->client_size = size;
  window->normal_size = size;
  if (sink_) sink_->on_window_resized(handle, WindowState::Normal);
}

void HeadlessBackend::user_minimize(NativeHandle window) {
  set_window_state(window, WindowState::Minimized);
}

void HeadlessBackend::user_maximize(NativeHandle window) {
  set_window_state(window, WindowState::Maximized);
}

void HeadlessBackend::user_restore(NativeHandle window) {
  set_window_state(window, WindowState::Normal);
}

void HeadlessBackend::user_activate(NativeHandle window) { activate_window(window); }

void HeadlessBackend::user_mouse(NativeHandle target, const MouseInput& input) {
  if ((is_window(target) || is_control(target)) && sink_) sink_->on_mouse(target, input);
}

void HeadlessBackend::user_click(NativeHandle target, MouseButton button, Point position) {
  user_mouse(target, {MouseAction::Press, button, position, 0});
  user_mouse(target, {MouseAction::Release, button, position, 0});
  // A left click on an enabled button, check box, option or link is its command, as the
  // platform sends it; a check box toggles and an option is selected first.
  Control* control = find_control(target);
  if (!control || !control->enabled || !control->visible || button != MouseButton::Left) return;
  switch (headless_kind_of(tree_.kind(target)).value) {
    case HeadlessValue::Check:
      control->value = control->value == 0 ? 1 : 0;
      break;
    case HeadlessValue::Option:
      select_option(target);
      break;
    case HeadlessValue::Pressed:
      break;
    // A click on any other kind is no command.
    case HeadlessValue::None:
    case HeadlessValue::Page:
    case HeadlessValue::Ranged:
    case HeadlessValue::Item:
      return;
  }
  if (sink_) sink_->on_control_command(target, ControlCommand::Click);
}

void HeadlessBackend::user_double_click(NativeHandle target, Point position) {
  user_click(target, MouseButton::Left, position);
  user_mouse(target, {MouseAction::DoubleClick, MouseButton::Left, position, 0});
  user_mouse(target, {MouseAction::Release, MouseButton::Left, position, 0});
}

void HeadlessBackend::user_type(NativeHandle handle, std::u16string_view text) {
  Control* control = find_control(handle);
  bool types = control && headless_kind_of(tree_.kind(handle)).takes_typing;
  if (!types || control->style.read_only || !control->enabled) return;
  change_focus(handle);
  for (char16_t unit : text) {
    // What a bound procedure does may destroy the editor between two keys.
    control = find_control(handle);
    if (!control) return;
    control->text.push_back(unit);
    if (sink_) sink_->on_control_command(handle, ControlCommand::Change);
  }
}

void HeadlessBackend::user_press_tab(NativeHandle window, bool backward) {
  if (!is_window(window) || !sink_) return;
  if (sink_->on_tab_key(window, backward)) return;
  if (!backward && focus_ && control_window(focus_) == window) user_type(focus_, u"\t");
}

void HeadlessBackend::user_focus(NativeHandle control) { set_focus(control); }

int HeadlessBackend::user_drop_files(NativeHandle target, std::vector<std::u16string> files,
                                     Point position, int offered_actions, int modifiers) {
  if (!drops_enabled(target) || !sink_) return 0;
  DragInput input;
  input.files = std::move(files);
  input.position = position;
  input.offered_actions = offered_actions;
  input.modifiers = modifiers;
  input.phase = DragPhase::Enter;
  if (sink_->on_drag(target, input) == 0) {
    input.phase = DragPhase::Leave;
    sink_->on_drag(target, input);
    return 0;
  }
  input.phase = DragPhase::Over;
  sink_->on_drag(target, input);
  input.phase = DragPhase::Drop;
  return drops_enabled(target) ? sink_->on_drag(target, input) : 0;
}

}  // namespace ambrel
