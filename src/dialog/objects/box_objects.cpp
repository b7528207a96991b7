#include "dialog/objects/box_objects.h"

#include <utility>

#include "dialog/layout/multibox.h"
#include "dialog/definition/layout_attributes.h"

namespace ambrel {
namespace {

std::vector<layout::Size> child_requests(const DialogObject& object) {
  std::vector<layout::Size> requests;
  for (const auto& child : object.children()) requests.push_back(child->request());
  return requests;
}

}  // namespace

LineBoxObject::LineBoxObject(DialogKind kind, CommonAttributes common, layout::BoxSettings settings)
    : DialogObject(kind, std::move(common)), settings_(settings) {}

layout::Size LineBoxObject::natural_size() {
  std::vector<layout::ChildRequest> requests;
  for (const auto& child : children()) requests.push_back({child->request(), child->folded()});
  return layout::box_natural_size(settings_, requests, wish(), measure_);
}

void LineBoxObject::allocate(layout::Rect area, std::vector<ChildPlacement>& placements) {
  std::vector<std::optional<layout::Rect>> rects = layout::box_allocate(settings_, measure_, area);
  for (std::size_t i = 0; i < rects.size() && i < children().size(); ++i) {
    if (rects[i]) placements.push_back({children()[i].get(), *rects[i]});
  }
}

layout::Size MultiBoxObject::natural_size() {
  return layout::multibox_natural_size(child_requests(*this), wish());
}

void MultiBoxObject::allocate(layout::Rect area, std::vector<ChildPlacement>& placements) {
  for (const auto& child : children()) placements.push_back({child.get(), area});
}

std::unique_ptr<DialogObject> create_line_box_object(BuildContext& context, const XmlNode& node,
                                                     DialogKind kind) {
  ElementView element = context.view_of(node);
  layout::BoxDirection direction =
      kind == DialogKind::HBox ? layout::BoxDirection::Horizontal : layout::BoxDirection::Vertical;
  return std::make_unique<LineBoxObject>(kind, read_common_attributes(element, kind, context.error),
                                         read_box_settings(element, direction));
}

std::unique_ptr<DialogObject> create_multibox_object(BuildContext& context, const XmlNode& node,
                                                     DialogKind kind) {
  return std::make_unique<MultiBoxObject>(
      kind, read_common_attributes(context.view_of(node), kind, context.error));
}

}  // namespace ambrel
