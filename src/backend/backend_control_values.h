#pragma once

// What a control holds beyond its text, and the kind-specific contents of panels and
// scroll areas.

#include <string_view>

#include "backend/native_handle.h"
#include "geometry/point_size_rect.h"

namespace ambrel {

class BackendControlValues {
 public:
  virtual ~BackendControlValues() = default;

  // 1 / 0 (2 mixed) for a check box or option, the position of a scroll bar, progress bar,
  // track bar or spin (kept within its range), the selected item of a list or combo box
  // (-1 none), the current page of a panel. Never reported as a change notification. 0 for
  // other kinds.
  virtual int control_value(NativeHandle control) const = 0;
  virtual void set_control_value(NativeHandle control, int value) = 0;
  // Adds an item to a list, list icon, tree or combo box at position (-1: at the end);
  // returns its index, or -1 for kinds without items.
  virtual int add_control_item(NativeHandle control, int position, std::u16string_view text) = 0;
  // Adds a page titled `title` to a panel at position (-1: at the end) and returns the page:
  // a control of kind PanelPage, the parent of the page's content. kNoHandle for other kinds.
  virtual NativeHandle add_panel_page(NativeHandle panel, int position,
                                      std::u16string_view title) = 0;
  // The inner size of a panel's pages, and the height of its tab strip.
  virtual Size panel_page_size(NativeHandle panel) const = 0;
  virtual int panel_tab_height(NativeHandle panel) const = 0;
  // The size of the area a scroll area scrolls over; the controls created in a scroll area
  // live in that area.
  virtual Size scroll_inner_size(NativeHandle area) const = 0;
  virtual void set_scroll_inner_size(NativeHandle area, Size size) = 0;
  // The smallest size at which a control shows its content as the platform draws it, for the
  // kinds whose natural size is the platform's own.
  virtual Size control_minimum_size(NativeHandle control) const = 0;
};

}  // namespace ambrel
