#pragma once

// The request rules every dialog object's size_request applies around its
// kind's natural_size. A folded object requests 0 x 0 without measuring, so the
// caller returns {} for it before calling natural_size; what remains is the
// rule that WIDTH or HEIGHT -1 asks for nothing on that axis.

#include "dialog/layout/layout_types.h"

namespace ambrel::layout {

// natural: the kind's natural_size; wish: the WIDTH and HEIGHT attributes.
Size apply_unwanted_axes(Size natural, Size wish);

}  // namespace ambrel::layout
