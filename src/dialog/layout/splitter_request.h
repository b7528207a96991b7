#pragma once

// natural_size of the splitter object: its two children side by side or one
// above the other, with the splitter control's bar between them, and the pane
// minimums that FIRSTMIN / SECONDMIN "AUTO" take from the children. The
// object's allocate only resizes the splitter gadget; the control arranges the
// panes itself.

#include <cstdint>
#include <string_view>

#include "dialog/layout/layout_types.h"
#include "geometry/splitter_geometry.h"

namespace ambrel::layout {

// A pane's automatic minimum: the child's request along the splitter's axis.
int32_t splitter_pane_minimum(uint32_t flags, Size child_request);

// first and second: the children's requests (0 x 0 for a missing child).
Size splitter_natural_size(uint32_t flags, Size first, Size second, Size wish);

}  // namespace ambrel::layout
