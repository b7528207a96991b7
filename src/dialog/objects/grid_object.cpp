#include "dialog/objects/grid_object.h"

#include <utility>

#include "dialog/definition/message_text.h"
#include "dialog/definition/layout_attributes.h"

namespace ambrel {
namespace {

// A span below 1 counts as 1; a wider one is cut at `edge`.
void warn_if_span_changed(const ElementView& element, const SpanAttribute& span,
                          std::int32_t placed, std::string_view edge) {
  if (span.attribute < 0 || span.value == placed) return;
  std::string said =
      message_text({element.written_name(span.attribute), " ", std::to_string(span.value)});
  if (span.value < 1) {
    element.warn(span.attribute, message_text({said, " counts as 1"}));
  } else {
    element.warn(span.attribute,
                 message_text({said, " is cut to ", std::to_string(placed), " at ", edge}));
  }
}

}  // namespace

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

void GridObject::add_child(std::unique_ptr<DialogObject> child, const ElementView& element) {
  SpanAttribute columns = read_span(element, u"COLSPAN");
  SpanAttribute rows = read_span(element, u"ROWSPAN");
  layout::GridPlacement placed = layout::grid_add_child(table_, columns.value, rows.value);
  warn_if_span_changed(element, columns, placed.column_span, "the grid's right edge");
  warn_if_span_changed(element, rows, placed.row_span, "the grid's last row");
  adopt(std::move(child));
}

void GridObject::finish(BuildContext& context) {
  DialogObject::finish(context);
  layout::grid_finish(table_);
}

std::unique_ptr<DialogObject> create_grid_object(BuildContext& context, const XmlNode& node,
                                                 DialogKind kind) {
  ElementView element = context.view_of(node);
  CommonAttributes common = read_common_attributes(element, kind, context.error);
  GridAttributes grid = read_grid_attributes(element);
  auto object = std::make_unique<GridObject>(std::move(common), grid.columns, grid.settings);
  if (object->columns() != grid.columns) {
    int attribute = grid.columns_attribute;
    element.warn(attribute,
                 message_text({element.written_name(attribute), " ", std::to_string(grid.columns),
                               " is taken as ", std::to_string(object->columns())}));
  }
  return object;
}

}  // namespace ambrel
