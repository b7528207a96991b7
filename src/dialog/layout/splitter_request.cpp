#include "dialog/layout/splitter_request.h"

#include <algorithm>

namespace ambrel::layout {
namespace {

bool is_vertical(uint32_t flags) { return (flags & geometry::kSplitterVertical) != 0; }

// The bar between the panes: a grip bar with the separator flag, else a gap.
int32_t separator_thickness(uint32_t flags) {
  return (flags & geometry::kSplitterSeparator) != 0 ? 7 : 4;
}

}  // namespace

int32_t splitter_pane_minimum(uint32_t flags, Size child_request) {
  return is_vertical(flags) ? child_request.width : child_request.height;
}

Size splitter_natural_size(uint32_t flags, Size first, Size second, Size wish) {
  const int32_t bar = separator_thickness(flags);
  const Size panes =
      is_vertical(flags)
          ? Size{first.width + second.width + bar, std::max(first.height, second.height)}
          : Size{std::max(first.width, second.width), first.height + second.height + bar};
  return {std::max(panes.width, wish.width), std::max(panes.height, wish.height)};
}

}  // namespace ambrel::layout
