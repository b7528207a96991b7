#include "dialog/layout/grid_cells.h"
#include "dialog/layout/grid_sizing.h"

#include <gtest/gtest.h>

#include <vector>

#include "layout_printers.h"

namespace ambrel::layout {
namespace {

struct Span {
  int32_t columns;
  int32_t rows;
};

GridTable filled(int32_t columns, std::initializer_list<Span> spans) {
  GridTable table = grid_table(columns);
  for (const Span& span : spans) {
    grid_add_child(table, span.columns, span.rows);
  }
  grid_finish(table);
  return table;
}

TEST(GridCells, PlacesChildrenAroundSpans) {
  struct Row {
    const char* name;
    GridTable table;
    std::vector<GridPlacement> expected;
    int32_t rows;
  };
  const std::vector<Row> rows = {
      {"three columns, five children",
       filled(3, {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}}),
       {{0, 0, 1, 1}, {1, 0, 1, 1}, {2, 0, 1, 1}, {0, 1, 1, 1}, {1, 1, 1, 1}},
       2},
      {"column span fills the row", filled(2, {{2, 1}, {1, 1}}), {{0, 0, 2, 1}, {0, 1, 1, 1}}, 2},
      {"column span cut at the edge", filled(3, {{1, 1}, {5, 1}}), {{0, 0, 1, 1}, {1, 0, 2, 1}}, 1},
      {"row span covers the cell below",
       filled(2, {{1, 2}, {1, 1}, {1, 1}}),
       {{0, 0, 1, 2}, {1, 0, 1, 1}, {1, 1, 1, 1}},
       2},
      {"spans below 1 count as 1", filled(2, {{0, -3}}), {{0, 0, 1, 1}}, 1},
      {"row span reaches below the last child", filled(2, {{1, 3}}), {{0, 0, 1, 3}}, 3},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.table.children, row.expected) << row.name;
    EXPECT_EQ(row.table.rows, row.rows) << row.name;
  }
}

TEST(GridCells, ColumnsBelowOneCountAsOne) {
  const GridTable table = filled(0, {{1, 1}, {1, 1}});
  EXPECT_EQ(table.columns, 1);
  EXPECT_EQ(table.rows, 2);
}

TEST(GridSizing, SpanningChildWidensItsColumns) {
  struct Row {
    ExpandChoice expand;
    std::vector<int32_t> widths;
  };
  const std::vector<Row> rows = {
      {{ExpandMode::No, 0}, {30, 65}},   {{ExpandMode::Equal, 0}, {47, 47}},
      {{ExpandMode::Yes, 0}, {42, 52}},  {{ExpandMode::Item, 0}, {55, 40}},
      {{ExpandMode::Item, 5}, {30, 65}},
  };
  for (const Row& row : rows) {
    const GridTable table = filled(2, {{1, 1}, {1, 1}, {2, 1}});
    GridSettings settings;
    settings.column_expand = row.expand;
    GridSizes sizes;
    const std::vector<Size> requests = {{30, 10}, {40, 10}, {100, 10}};
    const Size request = grid_natural_size(table, settings, requests, {}, sizes);
    EXPECT_EQ(sizes.column_widths, row.widths) << static_cast<int>(row.expand.mode);
    EXPECT_EQ(request, (Size{row.widths[0] + row.widths[1] + 5, 25}));
  }
}

TEST(GridSizing, SpanningChildWidensItsRows) {
  const GridTable table = filled(2, {{1, 2}, {1, 1}, {1, 1}});
  GridSizes sizes;
  const std::vector<Size> requests = {{10, 50}, {10, 10}, {10, 20}};
  EXPECT_EQ(grid_natural_size(table, GridSettings{}, requests, {}, sizes), (Size{25, 50}));
  EXPECT_EQ(sizes.row_heights, (std::vector<int32_t>{10, 35}));
}

TEST(GridSizing, EmptyGridRequestsItsWish) {
  const GridTable table = filled(2, {});
  GridSizes sizes;
  EXPECT_EQ(grid_natural_size(table, GridSettings{}, {}, {12, 34}, sizes), (Size{12, 34}));
  EXPECT_TRUE(grid_allocate(table, GridSettings{}, sizes, {0, 0, 10, 10}).empty());
}

TEST(GridSizing, SizesOnlyGrowFromPassToPass) {
  const GridTable table = filled(1, {{1, 1}});
  GridSizes sizes;
  grid_natural_size(table, GridSettings{}, std::vector<Size>{{50, 50}}, {}, sizes);
  EXPECT_EQ(grid_natural_size(table, GridSettings{}, std::vector<Size>{{10, 10}}, {}, sizes),
            (Size{50, 50}));
}

TEST(GridAllocate, SharesColumnsAndRows) {
  struct Row {
    const char* name;
    ExpandChoice column_expand;
    int32_t width;
    std::vector<int32_t> xs;
    std::vector<int32_t> widths;
  };
  // Three columns measured 10, 20, 30 with spacing 5: total 70.
  const std::vector<Row> rows = {
      {"equal", {ExpandMode::Equal, 0}, 100, {0, 35, 70}, {30, 30, 30}},
      {"too little room", {ExpandMode::Yes, 0}, 35, {0, 10, 25}, {5, 10, 15}},
      {"yes", {ExpandMode::Yes, 0}, 100, {0, 25, 60}, {20, 30, 40}},
      {"item 3", {ExpandMode::Item, 2}, 100, {0, 15, 40}, {10, 20, 60}},
      {"no", {ExpandMode::No, 0}, 100, {0, 15, 40}, {10, 20, 30}},
  };
  for (const Row& row : rows) {
    const GridTable table = filled(3, {{1, 1}, {1, 1}, {1, 1}});
    GridSettings settings;
    settings.column_expand = row.column_expand;
    GridSizes sizes;
    grid_natural_size(table, settings, std::vector<Size>{{10, 8}, {20, 8}, {30, 8}}, {}, sizes);
    const std::vector<Rect> rects = grid_allocate(table, settings, sizes, {0, 0, row.width, 50});
    ASSERT_EQ(rects.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(rects[i].x, row.xs[i]) << row.name << " " << i;
      EXPECT_EQ(rects[i].width, row.widths[i]) << row.name << " " << i;
      EXPECT_EQ(rects[i].height, 8) << row.name;  // rows default to no expansion
    }
  }
}

TEST(GridAllocate, SpansCoverTheirLinesAndGaps) {
  const GridTable table = filled(2, {{1, 2}, {1, 1}, {1, 1}, {2, 1}});
  GridSettings settings;
  settings.row_expand = {ExpandMode::Equal, 0};
  GridSizes sizes;
  grid_natural_size(table, settings, std::vector<Size>{{10, 10}, {20, 10}, {20, 10}, {10, 10}}, {},
                    sizes);
  const std::vector<Rect> rects = grid_allocate(table, settings, sizes, {100, 200, 35, 40});
  EXPECT_EQ(rects[0], (Rect{100, 200, 10, 25}));
  EXPECT_EQ(rects[1], (Rect{115, 200, 20, 10}));
  EXPECT_EQ(rects[2], (Rect{115, 215, 20, 10}));
  EXPECT_EQ(rects[3], (Rect{100, 230, 35, 10}));
}

}  // namespace
}  // namespace ambrel::layout
