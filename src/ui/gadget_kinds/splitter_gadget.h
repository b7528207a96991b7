#pragma once

// The splitter gadget: two existing gadgets as panes with a bar between them that the user
// drags (see ui/splitter_control.h). Its gadget event (type 0) follows every drag step and
// every change of its size; its state is the first pane's size.

#include "ui/backend/backend.h"
#include "ui/geometry/splitter_geometry.h"

namespace ambrel {

inline constexpr int kGadgetSplitter = 29;

using geometry::kSplitterFirstFixed;
using geometry::kSplitterSecondFixed;
using geometry::kSplitterSeparator;
using geometry::kSplitterVertical;

// Creates the splitter in the current gadget list and makes the controls of `first` and
// `second` its panes. Returns the new number for kAnyNumber, 1 for an explicit number, 0
// when the control cannot be made.
int create_splitter_gadget(int number, Rect geometry, int first, int second, int flags);

}  // namespace ambrel
