#pragma once

// Readable failure messages for layout values.

#include <ostream>

#include "dialog/layout/layout_types.h"

namespace ambrel::layout {

inline void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "(" << rect.x << ", " << rect.y << ", " << rect.width << ", " << rect.height << ")";
}

inline void PrintTo(const Size& size, std::ostream* out) {
  *out << size.width << " x " << size.height;
}

}  // namespace ambrel::layout
