#pragma once

// natural_size of the multibox object, which stacks all its children on one
// rectangle (its allocate simply hands every child its own rectangle).

#include <span>

#include "dialog/layout/layout_types.h"

namespace ambrel::layout {

// The largest width and the largest height among the children, raised to WIDTH and HEIGHT.
Size multibox_natural_size(std::span<const Size> child_requests, Size wish);

}  // namespace ambrel::layout
