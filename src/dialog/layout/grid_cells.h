#pragma once

// Cell placement of the gridbox object: its add_child puts each child in the
// next free cell, its spans cover further cells, and its finish counts the rows.
// The table grows with its children past any nominal row or column limit, but within
// bounds a definition cannot stretch: at most kMaxGridColumns columns, and a row span is
// cut where the table would pass kMaxGridCells cells.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ambrel::layout {

struct GridPlacement {
  int32_t column = 0;
  int32_t row = 0;
  int32_t column_span = 1;
  int32_t row_span = 1;

  friend bool operator==(const GridPlacement&, const GridPlacement&) = default;
};

struct GridTable {
  int32_t columns = 2;
  int32_t next_cell = 0;
  int32_t rows = 0;  // set by grid_finish
  // Row-major cells: kFreeCell, kCoveredCell or the index of the child held there.
  std::vector<int32_t> cells;
  // Placement of each child, in the order they were added.
  std::vector<GridPlacement> children;
};

inline constexpr int32_t kMaxGridColumns = 1024;
inline constexpr std::size_t kMaxGridCells = std::size_t{1} << 22;

inline constexpr int32_t kFreeCell = -1;
inline constexpr int32_t kCoveredCell = -2;

// An empty table; COLUMNS below 1 counts as 1, since a grid without columns
// could hold no child, and above kMaxGridColumns as kMaxGridColumns.
GridTable grid_table(int32_t columns);

// Places the next child (COLSPAN / ROWSPAN as read, below 1 counting as 1;
// a column span is cut at the grid's right edge, a row span at the cell limit)
// and returns where it went.
GridPlacement grid_add_child(GridTable& table, int32_t column_span, int32_t row_span);

// The number of rows in use: the first row in which no cell is held or covered.
void grid_finish(GridTable& table);

}  // namespace ambrel::layout
