#include "dialog/layout/multibox.h"

#include <algorithm>

namespace ambrel::layout {

Size multibox_natural_size(std::span<const Size> child_requests, Size wish) {
  Size largest = wish;
  for (const Size& request : child_requests) {
    largest.width = std::max(largest.width, request.width);
    largest.height = std::max(largest.height, request.height);
  }
  return largest;
}

}  // namespace ambrel::layout
