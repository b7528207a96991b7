// Static text: a label that wraps its words within its width and takes no focus.

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"
#include "ui/measure.h"

namespace ambrel {

namespace {

constexpr int kAlignmentBits = 3;

Size text_measure(const Gadget& gadget) {
  Size block = gadget_text_block(gadget.number, get_gadget_text(gadget.number));
  return text_natural_size(block, (gadget.flags & kTextBorder) != 0, ui_system_metrics());
}

constexpr GadgetKind kTextKind{.code = GadgetKindCode::Text, .natural_size = text_measure};

TextAlignment text_alignment(int flags) {
  switch (flags & kAlignmentBits) {
    case kTextCenter:
      return TextAlignment::Center;
    case kTextRight:
      return TextAlignment::Right;
    default:
      return TextAlignment::Left;
  }
}

}  // namespace

int create_text_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = bare_control_request(ControlKind::Text, geometry);
  request.text = arguments.text;
  request.style.alignment = text_alignment(arguments.flags);
  if ((arguments.flags & kTextBorder) != 0) request.style.border = BorderStyle::Sunken;
  return create_gadget(number, kTextKind, std::move(request), arguments.flags);
}

}  // namespace ambrel
