#include "dialog/objects/window_object.h"

#include <utility>

#include "dialog/objects/object_maps.h"
#include "dialog/definition/layout_attributes.h"
#include "dialog/objects/layout_passes.h"
#include "ui/events.h"
#include "ui/window.h"

namespace ambrel {
namespace {

// Bound to the size event of every dialog window: lays the window out again for its new
// inner size with the requests measured at open.
void relayout_window() { allocate_window_content(event_window()); }

}  // namespace

WindowObject::WindowObject(CommonAttributes common, layout::SingleChildSettings settings,
                           layout::WindowBounds bounds)
    : SingleChildObject(DialogKind::Window, std::move(common), settings), bounds_(bounds) {}

layout::Size WindowObject::natural_size() {
  layout::WindowRequest request =
      layout::window_natural_size(settings(), bounds_, child_request(), wish());
  if (request.limits) {
    window_bounds(window_, request.limits->min_width, request.limits->min_height,
                  request.limits->max_width, request.limits->max_height);
  }
  return request.request;
}

void WindowObject::allocate(layout::Rect area, std::vector<ChildPlacement>& children) {
  if (!child()) return;
  place_child(layout::window_child_rect(settings(), child_request(), {area.width, area.height}),
              children);
}

void WindowObject::attach_window(std::int32_t window) {
  window_ = window;
  register_window_object(window, this);
  bind_event(kEventSizeWindow, relayout_window, window);
}

void WindowObject::destroy() {
  if (window_ == -1) return;
  if (find_window_object(window_) == this) unregister_window_object(window_);
  unbind_event(kEventSizeWindow, relayout_window, window_);
}

std::unique_ptr<WindowObject> create_window_object(const ElementView& element, DialogError& error) {
  CommonAttributes common = read_common_attributes(element, DialogKind::Window, error);
  return std::make_unique<WindowObject>(std::move(common),
                                        read_single_child_settings(element, layout::kWindowMargin),
                                        read_window_bounds(element));
}

}  // namespace ambrel
