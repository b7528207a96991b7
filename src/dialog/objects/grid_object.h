#pragma once

// The gridbox: its children fill a table of columns and rows cell by cell, with column
// and row spans.

#include <memory>

#include "dialog/objects/build_context.h"
#include "dialog/layout/grid_cells.h"
#include "dialog/layout/grid_sizing.h"
#include "dialog/objects/dialog_object.h"

namespace ambrel {

class GridObject final : public DialogObject {
 public:
  GridObject(CommonAttributes common, std::int32_t columns, layout::GridSettings settings);

  layout::Size natural_size() override;
  void allocate(layout::Rect area, std::vector<ChildPlacement>& children) override;
  // Places the child in the next free cell with the COLSPAN and ROWSPAN of its element.
  void add_child(std::unique_ptr<DialogObject> child, const ElementView& element) override;
  // Counts the rows in use.
  void finish(BuildContext& context) override;

  // The columns the grid has: COLUMNS kept between 1 and the grid's most.
  std::int32_t columns() const { return table_.columns; }

 private:
  layout::GridTable table_;
  layout::GridSettings settings_;
  layout::GridSizes sizes_;
};

std::unique_ptr<DialogObject> create_grid_object(BuildContext& context, const XmlNode& node,
                                                 DialogKind kind);

}  // namespace ambrel
