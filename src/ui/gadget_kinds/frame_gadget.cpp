// Group frame: a captioned box drawn behind the gadgets of its content, which are its
// siblings (the layout places them inside). It is not a gadget list of its own.

#include <utility>

#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {

namespace {

constexpr int kStyleBits = 3;

constexpr GadgetKind kFrameKind{.code = GadgetKindCode::Frame};

// Styles 1 to 3: an empty box with a sunken, thin or plain border and no caption.
ControlRequest plain_box(int style) {
  ControlRequest request;
  request.kind = ControlKind::Text;
  switch (style) {
    case kFrameDouble:
      request.style.border = BorderStyle::Sunken;
      break;
    case kFrameSingle:
      request.style.border = BorderStyle::Single;
      break;
    default:
      request.style.border = BorderStyle::Flat;
      break;
  }
  return request;
}

}  // namespace

// A captioned group frame; styles 1 to 3 make a plain bordered box without caption instead.
int create_frame_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  int style = arguments.flags & kStyleBits;
  ControlRequest request;
  if (style != 0) {
    request = plain_box(style);
  } else {
    request.kind = ControlKind::Frame;
    request.text = arguments.text;
  }
  request.geometry = geometry;
  return create_gadget(number, kFrameKind, std::move(request), arguments.flags);
}

}  // namespace ambrel
