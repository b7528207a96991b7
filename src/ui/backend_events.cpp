#include "ui/backend_events.h"

#include "ui/drop.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/gadget_reports.h"
#include "ui/ui_backend.h"
#include "ui/tab_navigation.h"
#include "ui/window.h"
#include "ui/window_registry.h"

namespace ambrel {

namespace {

// The number of a known top-level window, or -1 (unknown windows raise nothing).
int number_of_window(NativeHandle window) {
  BackendWindows* windows = ui_windows();
  if (!windows || !windows->is_window(window)) return -1;
  return window_number_of(window);
}

WindowRecord* finished_window(NativeHandle window, int& number) {
  number = number_of_window(window);
  WindowRecord* record = find_window_record(number);
  return record && record->creation_finished ? record : nullptr;
}

// The gadget of a control, or nullptr (windows and unknown controls).
Gadget* gadget_of(NativeHandle control) {
  int number = gadget_number_of(control);
  return number == -1 ? nullptr : find_gadget(number);
}

}  // namespace

BackendEvents& backend_events() {
  static BackendEvents events;
  return events;
}

void BackendEvents::on_close_request(NativeHandle window) {
  int number = number_of_window(window);
  if (number != -1) raise_event(kEventCloseWindow, number, number, 0);
}

void BackendEvents::on_window_moved(NativeHandle window) {
  int number = 0;
  if (finished_window(window, number)) raise_event(kEventMoveWindow, number, number, 0);
}

void BackendEvents::on_window_resized(NativeHandle window, WindowState state) {
  int number = 0;
  WindowRecord* record = finished_window(window, number);
  if (!record) return;
  switch (state) {
    case WindowState::Minimized:
      record->minimized_or_maximized = true;
      raise_event(kEventMinimizeWindow, 0, number, 0);
      return;
    case WindowState::Maximized:
      record->minimized_or_maximized = true;
      raise_event(kEventMaximizeWindow, 0, number, 0);
      raise_event(kEventSizeWindow, 0, number, 0);
      return;
    case WindowState::Normal:
      if (record->minimized_or_maximized) {
        record->minimized_or_maximized = false;
        raise_event(kEventRestoreWindow, 0, number, 0);
      }
      // However many size changes a drag makes, one size event of the window stays queued.
      remove_queued_events(kEventSizeWindow, 0, number, 0);
      raise_event(kEventSizeWindow, 0, number, 0);
      return;
  }
}

void BackendEvents::on_window_activation(NativeHandle window, bool active) {
  int number = number_of_window(window);
  WindowRecord* record = find_window_record(number);
  if (!record) return;
  BackendControls& controls = *ui_controls();
  if (active) {
    NativeHandle focus = record->remembered_focus;
    if (controls.is_control(focus) && controls.control_window(focus) == window)
      controls.set_focus(focus);
    raise_event(kEventActivateWindow, 0, number, 0);
    return;
  }
  NativeHandle focus = controls.focused_control();
  record->remembered_focus = controls.control_window(focus) == window ? focus : kNoHandle;
  raise_event(kEventDeactivateWindow, 0, number, 0);
}

void BackendEvents::on_timer(NativeHandle window, int timer) {
  int number = number_of_window(window);
  if (number != -1) raise_event(kEventTimer, timer, number, 0);
}

bool BackendEvents::on_tab_key(NativeHandle window, bool backward) {
  if (number_of_window(window) == -1) return false;
  return handle_tab_key(*ui_controls(), window, backward);
}

void BackendEvents::on_mouse(NativeHandle target, const MouseInput& input) {
  // Controls of the layer's own making take their mouse input themselves.
  if (Gadget* gadget = gadget_of(target)) {
    if (gadget->kind->mouse) gadget->kind->mouse(*gadget, input);
    return;
  }
  int number = number_of_window(target);
  if (number == -1) return;
  if (input.action == MouseAction::Release && input.button == MouseButton::Left) {
    raise_event(kEventLeftClick, 0, number, 0);
  } else if (input.action == MouseAction::Release && input.button == MouseButton::Right) {
    raise_event(kEventRightClick, 0, number, 0);
  } else if (input.action == MouseAction::DoubleClick && input.button == MouseButton::Left) {
    raise_event(kEventLeftDoubleClick, 0, number, 0);
  }
}

void BackendEvents::on_menu_command(NativeHandle window, int item) {
  int number = number_of_window(window);
  if (number != -1) raise_event(kEventMenu, item, number, 0);
}

// Controls are gadgets; what each kind makes of a report is the gadget layer's business.
void BackendEvents::on_control_command(NativeHandle control, ControlCommand command) {
  gadget_control_command(control, command);
}

bool BackendEvents::on_editor_paste(NativeHandle editor) { return gadget_editor_paste(editor); }

void BackendEvents::on_control_focus(NativeHandle control, bool gained) {
  gadget_control_focus(control, gained);
}

void BackendEvents::on_control_resized(NativeHandle control) { gadget_control_resized(control); }

void BackendEvents::on_control_destroyed(NativeHandle control) {
  forget_drop_target(control);
  gadget_control_destroyed(control);
}

Rect BackendEvents::splitter_grip(NativeHandle splitter) {
  Gadget* gadget = gadget_of(splitter);
  return gadget && gadget->kind->grip ? gadget->kind->grip(*gadget) : Rect{};
}

int BackendEvents::on_drag(NativeHandle target, const DragInput& input) {
  return drop_target_drag(target, input);
}

}  // namespace ambrel
