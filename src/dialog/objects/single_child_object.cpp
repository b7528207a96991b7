#include "dialog/objects/single_child_object.h"

#include <utility>

#include "dialog/definition/message_text.h"
#include "dialog/definition/layout_attributes.h"

namespace ambrel {
namespace {

constexpr std::int32_t kSingleBoxMargin = 10;

}  // namespace

SingleChildObject::SingleChildObject(DialogKind kind, CommonAttributes common,
                                     layout::SingleChildSettings settings)
    : DialogObject(kind, std::move(common)), settings_(settings) {}

layout::Size SingleChildObject::child_request() const {
  return child() ? child()->request() : layout::Size{};
}

void SingleChildObject::place_child(layout::Rect rect,
                                    std::vector<ChildPlacement>& children) const {
  if (child()) children.push_back({child(), rect});
}

layout::Size SingleChildObject::natural_size() {
  return layout::singlebox_natural_size(settings_, child_request(), wish());
}

void SingleChildObject::allocate(layout::Rect area, std::vector<ChildPlacement>& children) {
  if (!child()) return;
  place_child(layout::place_single_child(settings_, child_request(), area), children);
}

void SingleChildObject::add_child(std::unique_ptr<DialogObject> child, const ElementView& element) {
  if (child_node_ != nullptr) {
    ElementView earlier = element_view_of(*child_node_, element.notes);
    earlier.warn(-1, message_text({earlier.written_name(-1),
                                   " gets no room: its parent lays out only its last child"}));
  }
  child_node_ = element.node;
  DialogObject::add_child(std::move(child), element);
}

std::unique_ptr<DialogObject> create_singlebox_object(BuildContext& context, const XmlNode& node,
                                                      DialogKind kind) {
  ElementView element = context.view_of(node);
  CommonAttributes common = read_common_attributes(element, kind, context.error);
  return std::make_unique<SingleChildObject>(kind, std::move(common),
                                             read_single_child_settings(element, kSingleBoxMargin));
}

}  // namespace ambrel
