// Code editor, web view, calendar and hyperlink. The hyperlink is a clickable caption in
// its colour (command 0) and measures its text block with a little room around it; the
// calendar measures the smallest size the platform draws it at.

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"
#include "ui/measure.h"
#include "ui/ui_backend.h"

namespace ambrel {

namespace {

Size hyperlink_measure(const Gadget& gadget) {
  return hyperlink_natural_size(gadget_text_block(gadget.number, get_gadget_text(gadget.number)));
}

Size calendar_measure(const Gadget& gadget) {
  return ui_control_values()->control_minimum_size(gadget.handle);
}

constexpr GadgetKind kScintillaKind{.code = GadgetKindCode::CodeEditor};
constexpr GadgetKind kWebKind{.code = GadgetKindCode::Web};
constexpr GadgetKind kCalendarKind{.code = GadgetKindCode::Calendar,
                                   .natural_size = calendar_measure};
constexpr GadgetKind kHyperLinkKind{.code = GadgetKindCode::HyperLink,
                                    .natural_size = hyperlink_measure};

}  // namespace

int create_scintilla_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(
      number, kScintillaKind,
      textless_control_request(ControlKind::CodeEditor, geometry, arguments), arguments);
}

// The text is the initial address.
int create_web_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(number, kWebKind,
                               control_request(ControlKind::Web, geometry, arguments), arguments);
}

int create_calendar_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = textless_control_request(ControlKind::Calendar, geometry, arguments);
  if (!has_flag(arguments.flags, kCalendarBorderless)) request.style.border = BorderStyle::Single;
  return create_gadget(number, kCalendarKind, std::move(request), arguments.flags);
}

int create_hyperlink_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = control_request(ControlKind::HyperLink, geometry, arguments);
  request.style.color = arguments.color;
  return create_flagged_gadget(number, kHyperLinkKind, std::move(request), arguments,
                               {{kHyperLinkUnderline, &ControlStyle::underline}});
}

}  // namespace ambrel
