#pragma once

// The window object: the root of every tree, holding the window's content inside its
// margins and handing the window its size limits. It is re-allocated on every size event
// of its window.

#include <memory>

#include "dialog/definition/dialog_error.h"
#include "dialog/layout/window_figures.h"
#include "dialog/objects/single_child_object.h"

namespace ambrel {

class WindowObject final : public SingleChildObject {
 public:
  WindowObject(CommonAttributes common, layout::SingleChildSettings settings,
               layout::WindowBounds bounds);

  layout::Size natural_size() override;
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;
  // Leaves the window-object map and unbinds the relayout procedure.
  void destroy() override;

  std::int32_t window() const { return window_; }
  // Enters the opened window in the window-object map and binds its size event.
  void attach_window(std::int32_t window);

 private:
  layout::WindowBounds bounds_;
  std::int32_t window_ = -1;
};

// The window object of a "window" element; errors of its attributes go to `error`.
std::unique_ptr<WindowObject> create_window_object(const ElementView& element, DialogError& error);

}  // namespace ambrel
