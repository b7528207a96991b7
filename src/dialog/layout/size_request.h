#pragma once

// The request rules every dialog object's SizeRequest applies around its
// kind's NaturalSize. A folded object requests 0 x 0 without measuring, so the
// caller returns {} for it before calling NaturalSize; what remains is the
// rule that WIDTH or HEIGHT -1 asks for nothing on that axis.

#include "dialog/layout/layout_types.h"

namespace ambrel::layout {

// natural: the kind's NaturalSize; wish: the WIDTH and HEIGHT attributes.
Size apply_unwanted_axes(Size natural, Size wish);

}  // namespace ambrel::layout
