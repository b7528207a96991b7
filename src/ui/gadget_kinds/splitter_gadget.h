#pragma once

// The splitter gadget: two existing gadgets as panes with a bar between them that the user
// drags (see ui/splitter_control.h). Its gadget event (type 0) follows every drag step and
// every change of its size; its state is the first pane's size.

#include "ui/backend/backend.h"

namespace ambrel {

inline constexpr int kGadgetSplitter = 29;

inline constexpr int kSplitterVertical = 1;     // panes side by side, first on the left
inline constexpr int kSplitterSeparator = 2;    // a 7-pixel bar with a raised grip
inline constexpr int kSplitterFirstFixed = 4;   // resizing keeps the first pane's size
inline constexpr int kSplitterSecondFixed = 8;  // resizing keeps the second pane's size

// Creates the splitter in the current gadget list and makes the controls of `first` and
// `second` its panes. Returns the new number for kAnyNumber, 1 for an explicit number, 0
// when the control cannot be made.
int create_splitter_gadget(int number, Rect geometry, int first, int second, int flags);

}  // namespace ambrel
