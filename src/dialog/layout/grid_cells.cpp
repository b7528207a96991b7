#include "dialog/layout/grid_cells.h"

#include <algorithm>

namespace ambrel::layout {
namespace {

std::size_t cell_index(const GridTable& table, int32_t row, int32_t column) {
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(table.columns) +
         static_cast<std::size_t>(column);
}

int32_t cell_at(const GridTable& table, std::size_t index) {
  return index < table.cells.size() ? table.cells[index] : kFreeCell;
}

void grow_to(GridTable& table, std::size_t index) {
  if (index >= table.cells.size()) {
    table.cells.resize(index + 1, kFreeCell);
  }
}

bool row_in_use(const GridTable& table, int32_t row) {
  for (int32_t column = 0; column < table.columns; ++column) {
    if (cell_at(table, cell_index(table, row, column)) != kFreeCell) {
      return true;
    }
  }
  return false;
}

}  // namespace

GridTable grid_table(int32_t columns) {
  GridTable table;
  table.columns = std::clamp(columns, 1, kMaxGridColumns);
  return table;
}

GridPlacement grid_add_child(GridTable& table, int32_t column_span, int32_t row_span) {
  std::size_t free_cell = static_cast<std::size_t>(table.next_cell);
  while (cell_at(table, free_cell) != kFreeCell) {
    ++free_cell;
  }
  const int32_t columns = table.columns;
  GridPlacement placement;
  placement.column = static_cast<int32_t>(free_cell % static_cast<std::size_t>(columns));
  placement.row = static_cast<int32_t>(free_cell / static_cast<std::size_t>(columns));
  placement.column_span = std::min(std::max(column_span, 1), columns - placement.column);
  const int32_t rows_left = static_cast<int32_t>(
      std::max<std::size_t>(kMaxGridCells / static_cast<std::size_t>(columns), placement.row + 1) -
      static_cast<std::size_t>(placement.row));
  placement.row_span = std::clamp(row_span, 1, rows_left);
  for (int32_t r = 0; r < placement.row_span; ++r) {
    for (int32_t c = 0; c < placement.column_span; ++c) {
      const std::size_t index = cell_index(table, placement.row + r, placement.column + c);
      grow_to(table, index);
      table.cells[index] = kCoveredCell;
    }
  }
  table.cells[free_cell] = static_cast<int32_t>(table.children.size());
  table.children.push_back(placement);
  table.next_cell = static_cast<int32_t>(free_cell) + 1;
  return placement;
}

void grid_finish(GridTable& table) {
  int32_t row = 0;
  while (row_in_use(table, row)) {
    ++row;
  }
  table.rows = row;
}

}  // namespace ambrel::layout
