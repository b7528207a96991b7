#include "ui/splitter_control.h"

#include <optional>

#include "ui/gadget.h"
#include "ui/ui_backend.h"

namespace ambrel {

namespace {

// A pane control that still exists, moved to its place.
void place_pane(BackendControls& controls, NativeHandle pane, const Rect& rect) {
  if (!controls.is_control(pane)) return;
  controls.set_control_geometry(pane, rect);
  controls.repaint_control(pane);
}

}  // namespace

SplitterControl::SplitterControl(int flags, Size size)
    : geometry_(
          geometry::splitter_create(static_cast<std::uint32_t>(flags), size.width, size.height)) {}

void SplitterControl::adopt_panes(NativeHandle splitter, NativeHandle first, NativeHandle second) {
  BackendControls* controls = ui_controls();
  if (!controls) return;
  panes_ = {first, second};
  // First, then second: the child order, which Tab follows, stays the creation order.
  if (controls->is_control(first)) controls->set_control_parent(first, splitter);
  if (controls->is_control(second)) controls->set_control_parent(second, splitter);
  geometry::splitter_arrange(geometry_, 0, true);
  place_panes(splitter);
}

void SplitterControl::release_panes(NativeHandle splitter) {
  BackendControls* controls = ui_controls();
  if (!controls || !controls->is_control(splitter)) return;
  NativeHandle parent = controls->control_parent(splitter);
  for (NativeHandle pane : panes_) {
    if (!controls->is_control(pane) || controls->control_parent(pane) != splitter) continue;
    controls->set_control_parent(pane, parent);
    controls->repaint_control(pane);
  }
}

int SplitterControl::state() const { return geometry::splitter_position(geometry_); }

void SplitterControl::set_state(NativeHandle splitter, int position) {
  geometry::splitter_set_state(geometry_, position);
  place_panes(splitter);
}

int SplitterControl::attribute(int attribute) const {
  switch (attribute) {
    case kSplitterFirstMinimum:
      return geometry_.first_min;
    case kSplitterSecondMinimum:
      return geometry_.second_min;
    case kSplitterFirstGadget:
      return gadget_number_of(panes_[0]);
    case kSplitterSecondGadget:
      return gadget_number_of(panes_[1]);
    default:
      return 0;
  }
}

// A new minimum applies from the next arrangement; the panes stay where they are.
void SplitterControl::set_attribute(NativeHandle splitter, int attribute, int value) {
  switch (attribute) {
    case kSplitterFirstMinimum:
      geometry_.first_min = value;
      return;
    case kSplitterSecondMinimum:
      geometry_.second_min = value;
      return;
    case kSplitterFirstGadget:
      replace_pane(splitter, 0, value);
      return;
    case kSplitterSecondGadget:
      replace_pane(splitter, 1, value);
      return;
    default:
      return;
  }
}

void SplitterControl::replace_pane(NativeHandle splitter, int index, int gadget) {
  BackendControls* controls = ui_controls();
  if (!controls) return;
  NativeHandle old = panes_[static_cast<std::size_t>(index)];
  if (controls->is_control(old) && controls->control_parent(old) == splitter) {
    controls->set_control_parent(old, controls->control_parent(splitter));
    controls->repaint_control(old);
  }
  NativeHandle pane = gadget_handle(gadget);
  panes_[static_cast<std::size_t>(index)] = pane;
  if (controls->is_control(pane)) controls->set_control_parent(pane, splitter);
  geometry::splitter_arrange(geometry_, 0, true);
  place_panes(splitter);
}

bool SplitterControl::resized(NativeHandle splitter) {
  BackendControls* controls = ui_controls();
  if (!controls) return false;
  Rect rect = controls->control_geometry(splitter);
  if (!geometry::splitter_resize(geometry_, rect.width, rect.height)) return false;
  place_panes(splitter);
  return true;
}

bool SplitterControl::mouse(NativeHandle splitter, const MouseInput& input) {
  bool left = input.button == MouseButton::Left;
  switch (input.action) {
    // The control takes no double clicks: the second press is a press like the first.
    case MouseAction::Press:
    case MouseAction::DoubleClick:
      if (left) press(splitter, input.position);
      return false;
    case MouseAction::Release:
      if (left) release(splitter);
      return false;
    case MouseAction::Move:
      return move(splitter, input.position);
  }
  return false;
}

void SplitterControl::press(NativeHandle splitter, Point position) {
  BackendControls* controls = ui_controls();
  if (controls && geometry::splitter_press(geometry_, position.x, position.y))
    controls->capture_mouse(splitter);
}

// The capture is released only when the splitter holds it: a button-up after a click
// elsewhere must not end another control's capture.
void SplitterControl::release(NativeHandle splitter) {
  geometry::splitter_release(geometry_);
  BackendControls* controls = ui_controls();
  if (controls && controls->mouse_capture() == splitter) controls->release_mouse();
}

bool SplitterControl::move(NativeHandle splitter, Point position) {
  BackendControls* controls = ui_controls();
  if (!controls) return false;
  // A capture the platform took away ends the drag.
  if (geometry_.captured && controls->mouse_capture() != splitter)
    geometry::splitter_release(geometry_);
  bool on_bar = geometry_.captured ||
                geometry::splitter_hit_test(geometry_, position.x, position.y).has_value();
  controls->set_control_cursor(splitter, on_bar ? bar_cursor() : Cursor::Arrow);
  if (!geometry::splitter_drag(geometry_, position.x, position.y)) return false;
  place_panes(splitter);
  return true;
}

Rect SplitterControl::grip() const {
  std::optional<Rect> grip = geometry::splitter_grip_rect(geometry_);
  return grip ? *grip : Rect{};
}

void SplitterControl::place_panes(NativeHandle splitter) {
  BackendControls* controls = ui_controls();
  if (!controls) return;
  place_pane(*controls, panes_[1], geometry_.second_pane);
  place_pane(*controls, panes_[0], geometry_.first_pane);
  controls->repaint_control(splitter);
}

Cursor SplitterControl::bar_cursor() const {
  return geometry::splitter_is_vertical(geometry_) ? Cursor::SizeWestEast : Cursor::SizeNorthSouth;
}

}  // namespace ambrel
