// Group frame: a captioned box drawn behind the gadgets of its content, which are its
// siblings (the layout places them inside). It is not a gadget list of its own.

#include <utility>

#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {

namespace {

constexpr int kStyleBits = 3;

constexpr GadgetKind kFrameKind{.code = kGadgetFrame};

// Styles 1 to 3: an empty box with a sunken, thin or plain border and no caption.
ControlSpec plain_box(int style) {
  ControlSpec spec;
  spec.kind = ControlKind::Text;
  switch (style) {
    case kFrameDouble:
      spec.style.border = BorderStyle::Sunken;
      break;
    case kFrameSingle:
      spec.style.border = BorderStyle::Single;
      break;
    default:
      spec.style.border = BorderStyle::Flat;
      break;
  }
  return spec;
}

}  // namespace

int create_frame_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  int style = arguments.flags & kStyleBits;
  ControlSpec spec;
  if (style != 0) {
    spec = plain_box(style);
  } else {
    spec.kind = ControlKind::Frame;
    spec.text = arguments.text;
  }
  spec.geometry = geometry;
  return create_gadget(number, kFrameKind, std::move(spec), arguments.flags);
}

}  // namespace ambrel
