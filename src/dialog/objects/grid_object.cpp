#include "dialog/objects/grid_object.h"

#include <utility>

#include "dialog/objects/layout_attributes.h"

namespace ambrel {

GridObject::GridObject(CommonAttributes common, std::int32_t columns, layout::GridSettings settings)
    : DialogObject(DialogKind::GridBox, std::move(common)),
      table_(layout::grid_table(columns)),
      settings_(settings) {}

layout::Size GridObject::natural_size() {
  std::vector<layout::Size> requests;
  for (const auto& child : children()) requests.push_back(child->request());
  return layout::grid_natural_size(table_, settings_, requests, wish(), sizes_);
}

void GridObject::allocate(layout::Rect area, std::vector<ChildPlacement>& placements) {
  std::vector<layout::Rect> rects = layout::grid_allocate(table_, settings_, sizes_, area);
  for (std::size_t i = 0; i < rects.size() && i < children().size(); ++i) {
    placements.push_back({children()[i].get(), rects[i]});
  }
}

void GridObject::add_child(std::unique_ptr<DialogObject> child, const XmlNode& node) {
  ElementView element = element_view_of(node);
  layout::grid_add_child(table_, read_span(element, u"COLSPAN"), read_span(element, u"ROWSPAN"));
  adopt(std::move(child));
}

void GridObject::finish(BuildContext& context) {
  DialogObject::finish(context);
  layout::grid_finish(table_);
}

std::unique_ptr<DialogObject> create_grid_object(BuildContext& context, const XmlNode& node,
                                                 DialogKind kind) {
  ElementView element = element_view_of(node);
  CommonAttributes common = read_common_attributes(element, kind, context.error);
  GridAttributes grid = read_grid_attributes(element);
  return std::make_unique<GridObject>(std::move(common), grid.columns, grid.settings);
}

}  // namespace ambrel
