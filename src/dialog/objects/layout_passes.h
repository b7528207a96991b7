#pragma once

// The two layout passes over an object tree, with explicit stacks. The request pass runs
// children first and caches every object's SizeRequest, which its parent's NaturalSize
// then reads; the children of a folded object are not measured, as it measures nothing.
// The allocation pass runs parents first: each Allocate names the rectangles of its
// children, which are allocated next.

#include "dialog/layout/layout_types.h"
#include "dialog/objects/dialog_object.h"

namespace ambrel {

// Measures the subtree; returns the root's request.
layout::Size request_tree(DialogObject& root);

// Allocates area to root and on down through every child its container places.
void allocate_tree(DialogObject& root, layout::Rect area);

}  // namespace ambrel
