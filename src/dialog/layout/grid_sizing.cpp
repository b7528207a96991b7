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

// The lines of one axis as allocated, with the sum of the sizes before each line taken
// once, so that placing every child costs the same however many lines come before it.
class AllocatedAxis {
 public:
  AllocatedAxis(const std::vector<int32_t>& sizes, int32_t spacing)
      : sums_before_(sizes.size() + 1, 0), spacing_(spacing) {
    for (std::size_t i = 0; i < sizes.size(); ++i) {
      sums_before_[i + 1] = sums_before_[i] + sizes[i];
    }
  }

  // Offset of line index from the axis start.
  int32_t offset(int32_t index) const {
    return saturate_figure(int64_t{index} * spacing_ + sums_before_[index]);
  }

  // Extent of span lines from first, with the gaps between them.
  int32_t extent(int32_t first, int32_t span) const {
    return saturate_figure(sums_before_[first + span] - sums_before_[first] +
                           int64_t{span - 1} * spacing_);
  }

 private:
  std::vector<int64_t> sums_before_;
  int32_t spacing_;
};

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
  const AllocatedAxis columns(widths, settings.column_spacing);
  const AllocatedAxis rows(heights, settings.row_spacing);
  std::vector<Rect> rects;
  rects.reserve(table.children.size());
  for (const GridPlacement& cell : table.children) {
    rects.push_back({area.x + columns.offset(cell.column), area.y + rows.offset(cell.row),
                     columns.extent(cell.column, cell.column_span),
                     rows.extent(cell.row, cell.row_span)});
  }
  return rects;
}

}  // namespace ambrel::layout
