#include "dialog/layout/gadget_leaf.h"

#include <algorithm>

namespace ambrel::layout {

Size measured_natural_size(Size gadget_natural, Size wish) {
  return {std::max(gadget_natural.width, wish.width), std::max(gadget_natural.height, wish.height)};
}

int32_t list_view_natural_height(int32_t height, int32_t row, int32_t edges) {
  if (row <= 0) {
    return height;
  }
  const int32_t whole_rows = (height - edges) / row;
  if (edges + whole_rows * row < height) {
    return edges + (whole_rows + 1) * row;
  }
  return height;
}

Rect text_gadget_rect(Rect allocated, int32_t need, bool bordered) {
  if (bordered || allocated.height - 2 < need) {
    return allocated;
  }
  return {allocated.x, allocated.y + 2, allocated.width, allocated.height - 2};
}

}  // namespace ambrel::layout
