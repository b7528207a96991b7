// Image, button image and canvas: areas that show a picture (none at creation). The image
// measures its current size, the button image the size of its picture (16 x 16 without
// one) with its edges; the canvas has no measure.

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"
#include "ui/measure.h"

namespace ambrel {

namespace {

constexpr Size kNoPictureSize{16, 16};

Size image_measure(const Gadget& gadget) {
  return {gadget_width(gadget.number), gadget_height(gadget.number)};
}

Size button_image_measure(const Gadget&) {
  return button_image_natural_size(kNoPictureSize, ui_system_metrics());
}

constexpr GadgetKind kImageKind{.code = GadgetKindCode::Image, .natural_size = image_measure};

constexpr GadgetKind kButtonImageKind{.code = GadgetKindCode::ButtonImage,
                                      .natural_size = button_image_measure};

constexpr GadgetKind kCanvasKind{.code = GadgetKindCode::Canvas};

}  // namespace

int create_image_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::Image, geometry, arguments);
  request.style.tab_stop = false;
  if (has_flag(arguments.flags, kImageBorder)) request.style.border = BorderStyle::Sunken;
  if (has_flag(arguments.flags, kImageRaised)) request.style.border = BorderStyle::Raised;
  return create_gadget(number, kImageKind, std::move(request), arguments.flags);
}

int create_buttonimage_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(
      number, kButtonImageKind,
      textless_control_request(ControlKind::ButtonImage, geometry, arguments), arguments,
      {{kButtonImageToggle, &ControlStyle::toggle}});
}

int create_canvas_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::Canvas, geometry, arguments);
  if (has_flag(arguments.flags, kCanvasBorder)) request.style.border = BorderStyle::Sunken;
  return create_gadget(number, kCanvasKind, std::move(request), arguments.flags);
}

}  // namespace ambrel
