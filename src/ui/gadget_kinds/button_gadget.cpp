// Push button: a click arrives as command notification 0, i.e. gadget event type 0.

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"
#include "ui/measure.h"

namespace ambrel {

namespace {

// The low bits name the button type: 1 the default push button, 3 (with 4096) a toggle.
constexpr int kTypeBits = 0xF;
constexpr int kAlignmentBits = kButtonLeft | kButtonRight;

Size button_measure(const Gadget& gadget) {
  Size extent = gadget_text_extent(gadget.number, get_gadget_text(gadget.number));
  return button_natural_size(extent, ui_system_metrics());
}

constexpr GadgetKind kButtonKind{.code = GadgetKindCode::Button, .natural_size = button_measure};

// Both alignment bits together centre, as neither does.
TextAlignment caption_alignment(int flags) {
  switch (flags & kAlignmentBits) {
    case kButtonLeft:
      return TextAlignment::Left;
    case kButtonRight:
      return TextAlignment::Right;
    default:
      return TextAlignment::Center;
  }
}

}  // namespace

int create_button_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  int flags = arguments.flags;
  ControlRequest request = bare_control_request(ControlKind::Button, geometry);
  request.text = arguments.text;
  request.style.alignment = caption_alignment(flags);
  request.style.tab_stop = true;
  request.style.toggle = (flags & kButtonToggle) == kButtonToggle;
  request.style.default_button = (flags & kTypeBits) == kButtonDefault;
  request.style.multi_line = (flags & kButtonMultiLine) != 0;
  return create_gadget(number, kButtonKind, std::move(request), flags);
}

}  // namespace ambrel
