// Code editor, web view, calendar and hyperlink. The hyperlink is a clickable caption in
// its colour (command 0) and measures its text block with a little room around it; the
// calendar measures the smallest size the platform draws it at.

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"
#include "ui/measure.h"
#include "ui/platform.h"

namespace ambrel {

namespace {

Size hyperlink_measure(const Gadget& gadget) {
  return hyperlink_natural_size(gadget_text_block(gadget.number, get_gadget_text(gadget.number)));
}

Size calendar_measure(const Gadget& gadget) { return ui_backend()->control_minimum_size(gadget.handle); }

constexpr GadgetKind kScintillaKind{.code = kGadgetScintilla};
constexpr GadgetKind kWebKind{.code = kGadgetWeb};
constexpr GadgetKind kCalendarKind{.code = kGadgetCalendar, .natural_size = calendar_measure};
constexpr GadgetKind kHyperLinkKind{.code = kGadgetHyperLink, .natural_size = hyperlink_measure};

}  // namespace

int create_scintilla_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlSpec spec = textless_control_spec(ControlKind::CodeEditor, geometry, arguments);
  return create_gadget(number, kScintillaKind, std::move(spec), arguments.flags);
}

int create_web_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_gadget(number, kWebKind, control_spec(ControlKind::Web, geometry, arguments), arguments.flags);
}

int create_calendar_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlSpec spec = textless_control_spec(ControlKind::Calendar, geometry, arguments);
  if (!has_flag(arguments.flags, kCalendarBorderless)) spec.style.border = BorderStyle::Single;
  return create_gadget(number, kCalendarKind, std::move(spec), arguments.flags);
}

int create_hyperlink_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlSpec spec = control_spec(ControlKind::HyperLink, geometry, arguments);
  spec.style.underline = has_flag(arguments.flags, kHyperLinkUnderline);
  spec.style.color = arguments.color;
  return create_gadget(number, kHyperLinkKind, std::move(spec), arguments.flags);
}

}  // namespace ambrel
