#pragma once

// The two layout passes over an object tree, with explicit stacks. The request pass runs
// children first and caches every object's size_request, which its parent's natural_size
// then reads; the children of a folded object are not measured, as it measures nothing.
// The allocation pass runs parents first: each allocate names the rectangles of its
// children, which are allocated next.
//
// Resizing a gadget may raise events whose procedures lay out more (a splitter's panes
// follow its size, a window its inner size). While a pass runs on the thread, such a
// request joins that pass instead of starting one inside it: however deeply splitters
// nest, the call stack stays flat and every object is allocated once per pass.

#include <cstdint>
#include <memory>
#include <vector>

#include "dialog/layout/layout_types.h"
#include "dialog/objects/dialog_object.h"

namespace ambrel {

// Measures the subtree; returns the root's request.
layout::Size request_tree(DialogObject& root);

// Allocates area to root and on down through every child its container places.
void allocate_tree(DialogObject& root, layout::Rect area);
// Lays out the content of a dialog window for its current inner size.
void allocate_window_content(std::int32_t window);
// Lays out the content of a splitter pane for the pane container's current size.
void allocate_pane_content(std::int32_t container);

// These objects are being destroyed: a running pass drops what it still had to do to them.
void forget_pending_allocations(const std::vector<std::unique_ptr<DialogObject>>& objects);

}  // namespace ambrel
