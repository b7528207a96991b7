#pragma once

// Column and row sizing of the gridbox object: its natural_size measures the
// columns and rows in two passes (single cells, then spans), its allocate
// shares the given room among them and places each child over its cells.

#include <cstdint>
#include <span>
#include <vector>

#include "dialog/layout/grid_cells.h"
#include "dialog/layout/layout_types.h"

namespace ambrel::layout {

struct GridSettings {
  int32_t column_spacing = 5;
  int32_t row_spacing = 5;
  ExpandChoice column_expand{ExpandMode::Yes, 0};
  ExpandChoice row_expand{ExpandMode::No, 0};
};

// What a grid keeps between passes. Column widths and row heights only grow:
// every request pass raises them from what they were.
struct GridSizes {
  std::vector<int32_t> column_widths;
  std::vector<int32_t> row_heights;
  int32_t total_width = 0;  // before the grid's own WIDTH/HEIGHT
  int32_t total_height = 0;
};

// child_requests holds each child's size_request in the order the children were added.
Size grid_natural_size(const GridTable& table, const GridSettings& settings,
                       std::span<const Size> child_requests, Size wish, GridSizes& sizes);

// The rectangle of each child (folded ones included), in the order they were added.
std::vector<Rect> grid_allocate(const GridTable& table, const GridSettings& settings,
                                const GridSizes& sizes, Rect area);

}  // namespace ambrel::layout
