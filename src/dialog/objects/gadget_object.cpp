#include "dialog/objects/gadget_object.h"

#include <algorithm>

#include "dialog/definition/gadget_attributes.h"
#include "dialog/objects/gadget_creation.h"
#include "dialog/layout/gadget_leaf.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/measure.h"

namespace ambrel {
namespace {

Sizing sizing_of(DialogKind kind) { return kind_row_of(kind).sizing; }

layout::Size natural_of(std::int32_t gadget) {
  Size size = gadget_natural_size(gadget);
  return {size.width, size.height};
}

// What the creation call itself does not set.
void set_initial_content(const DialogObject& object, const GadgetAttributes& values) {
  std::int32_t gadget = object.gadget();
  switch (kind_row_of(object.kind()).content) {
    case InitialContent::None:
      break;
    case InitialContent::Text:
      set_gadget_text(gadget, object.text_or_empty());
      break;
    case InitialContent::State:
      set_gadget_state(gadget, values.value);
      break;
    case InitialContent::StateThenText:
      set_gadget_state(gadget, values.value);
      set_gadget_text(gadget, object.text_or_empty());
      break;
  }
}

}  // namespace

layout::Size GadgetObject::natural_size() {
  if (sizing_of(kind()) == Sizing::Wish) return wish();
  return layout::measured_natural_size(natural_of(gadget()), wish());
}

void GadgetObject::allocate(layout::Rect area, std::vector<ChildPlacement>&) {
  if (gadget() == -1) return;
  layout::Rect placed = area;
  if (sizing_of(kind()) == Sizing::TextLine) {
    std::int32_t need = std::max(wish().height, natural_of(gadget()).height);
    placed = layout::text_gadget_rect(area, need, (flags() & kTextBorder) != 0);
  }
  resize_gadget(gadget(), placed.x, placed.y, placed.width, placed.height);
}

std::unique_ptr<DialogObject> create_gadget_object(BuildContext& context, const XmlNode& node,
                                                   DialogKind kind) {
  ElementView element = context.view_of(node);
  auto object =
      std::make_unique<GadgetObject>(kind, read_common_attributes(element, kind, context.error));
  if (context.error.has_error()) return object;
  GadgetAttributes values = read_gadget_attributes(element, kind);
  if (kind == DialogKind::Option && values.group != -1) {
    context.parent->add_pending_option({object.get(), values.group, &node});
    return object;
  }
  GadgetRequest request;
  request.kind = kind;
  request.number = object->requested_id();
  request.text = object->text_or_empty();
  request.flags = object->flags();
  request.values = values;
  object->set_gadget(create_definition_gadget(request));
  if (object->gadget() == -1) return object;
  set_initial_content(*object, values);
  bind_definition_events(context, element, kind, object->gadget());
  return object;
}

std::unique_ptr<DialogObject> create_empty_object(BuildContext& context, const XmlNode& node,
                                                  DialogKind kind) {
  return std::make_unique<DialogObject>(
      kind, read_common_attributes(context.view_of(node), kind, context.error));
}

}  // namespace ambrel
