#include "dialog/layout/grid_sizing.h"

#include <algorithm>
#include <numeric>

#include "dialog/layout/line_sharing.h"

namespace ambrel::layout {
namespace {

// One axis of the grid: columns or rows.
struct Axis {
  std::vector<int32_t>& sizes;
  int32_t spacing;
  ExpandChoice expand;
};

int64_t sum_of(const std::vector<int32_t>& sizes, int32_t first, int32_t count) {
  return std::accumulate(sizes.begin() + first, sizes.begin() + first + count, int64_t{0});
}

int32_t line_total(const std::vector<int32_t>& sizes, int32_t spacing) {
  const int32_t count = static_cast<int32_t>(sizes.size());
  return saturate_figure(int64_t{count - 1} * spacing + sum_of(sizes, 0, count));
}

// Gives a spanning child the room its spanned lines lack, as the expand mode says.
void widen_span(Axis axis, int32_t first, int32_t span, int32_t need) {
  const int32_t current =
      saturate_figure(int64_t{span - 1} * axis.spacing + sum_of(axis.sizes, first, span));
  if (current >= need) {
    return;
  }
  const int32_t last = first + span - 1;
  switch (axis.expand.mode) {
    case ExpandMode::Equal: {
      const int32_t each = saturate_figure((need - int64_t{span - 1} * axis.spacing) / span);
      for (int32_t i = first; i <= last; ++i) {
        axis.sizes[i] = std::max(axis.sizes[i], each);
      }
      break;
    }
    case ExpandMode::Yes:
      for (int32_t i = first; i <= last; ++i) {
        axis.sizes[i] += (need - current) / span;
      }
      break;
    case ExpandMode::Item: {
      const bool inside = axis.expand.item >= first && axis.expand.item <= last;
      axis.sizes[inside ? axis.expand.item : last] += need - current;
      break;
    }
    case ExpandMode::No:
      axis.sizes[last] += need - current;
      break;
  }
}

// The sizes the lines of one axis get from avail pixels of room.
std::vector<int32_t> share_axis(const std::vector<int32_t>& measured, int32_t spacing,
                                ExpandChoice expand, int32_t total, int32_t avail) {
  if (measured.empty()) {
    return measured;
  }
  const LineRequest line{measured, total, static_cast<int32_t>(measured.size()), spacing, expand};
  return share_line(line, avail).sizes;
}

// Offset of line index from the axis start, and the extent of span lines.
int32_t line_offset(const std::vector<int32_t>& sizes, int32_t spacing, int32_t index) {
  return saturate_figure(int64_t{index} * spacing + sum_of(sizes, 0, index));
}

int32_t span_extent(const std::vector<int32_t>& sizes, int32_t spacing, int32_t first,
                    int32_t span) {
  return saturate_figure(sum_of(sizes, first, span) + int64_t{span - 1} * spacing);
}

// Rows the children reach; equal to the finished row count, and a guard when a
// child was added after grid_finish.
int32_t rows_in_use(const GridTable& table) {
  int32_t rows = table.rows;
  for (const GridPlacement& cell : table.children) {
    rows = std::max(rows, cell.row + cell.row_span);
  }
  return rows;
}

}  // namespace

Size grid_natural_size(const GridTable& table, const GridSettings& settings,
                       std::span<const Size> child_requests, Size wish, GridSizes& sizes) {
  if (table.rows <= 0) {
    return wish;
  }
  sizes.column_widths.resize(static_cast<std::size_t>(table.columns), 0);
  sizes.row_heights.resize(static_cast<std::size_t>(rows_in_use(table)), 0);
  for (std::size_t i = 0; i < table.children.size(); ++i) {
    const GridPlacement& cell = table.children[i];
    if (cell.column_span == 1) {
      int32_t& width = sizes.column_widths[cell.column];
      width = std::max(width, child_requests[i].width);
    }
    if (cell.row_span == 1) {
      int32_t& height = sizes.row_heights[cell.row];
      height = std::max(height, child_requests[i].height);
    }
  }
  const Axis columns{sizes.column_widths, settings.column_spacing, settings.column_expand};
  const Axis rows{sizes.row_heights, settings.row_spacing, settings.row_expand};
  for (std::size_t i = 0; i < table.children.size(); ++i) {
    const GridPlacement& cell = table.children[i];
    if (cell.column_span == 1 && cell.row_span == 1) {
      continue;
    }
    widen_span(columns, cell.column, cell.column_span, child_requests[i].width);
    widen_span(rows, cell.row, cell.row_span, child_requests[i].height);
  }
  sizes.total_width = line_total(sizes.column_widths, settings.column_spacing);
  sizes.total_height = line_total(sizes.row_heights, settings.row_spacing);
  return {std::max(sizes.total_width, wish.width), std::max(sizes.total_height, wish.height)};
}

std::vector<Rect> grid_allocate(const GridTable& table, const GridSettings& settings,
                                const GridSizes& sizes, Rect area) {
  std::vector<int32_t> measured_widths = sizes.column_widths;
  measured_widths.resize(static_cast<std::size_t>(table.columns), 0);
  std::vector<int32_t> measured_heights = sizes.row_heights;
  measured_heights.resize(static_cast<std::size_t>(rows_in_use(table)), 0);
  const std::vector<int32_t> widths =
      share_axis(measured_widths, settings.column_spacing, settings.column_expand,
                 sizes.total_width, area.width);
  const std::vector<int32_t> heights = share_axis(
      measured_heights, settings.row_spacing, settings.row_expand, sizes.total_height, area.height);
  std::vector<Rect> rects;
  rects.reserve(table.children.size());
  for (const GridPlacement& cell : table.children) {
    rects.push_back({area.x + line_offset(widths, settings.column_spacing, cell.column),
                     area.y + line_offset(heights, settings.row_spacing, cell.row),
                     span_extent(widths, settings.column_spacing, cell.column, cell.column_span),
                     span_extent(heights, settings.row_spacing, cell.row, cell.row_span)});
  }
  return rects;
}

}  // namespace ambrel::layout
