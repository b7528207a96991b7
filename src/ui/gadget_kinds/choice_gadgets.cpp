// Check box and option: a caption with a mark the user sets by clicking (command 0). The
// state is 1 when checked or selected, 0 when not, 2 for a three-state box's mixed mark.
// Options are exclusive within a platform group: one starts with an option that does not
// directly follow another option in its parent.

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"
#include "ui/measure.h"

namespace ambrel {

namespace {

Size check_measure(const Gadget& gadget) {
  return check_natural_size(gadget_text_extent(gadget.number, get_gadget_text(gadget.number)));
}

constexpr GadgetKind kCheckBoxKind = valued_kind(GadgetKindCode::CheckBox, check_measure);
constexpr GadgetKind kOptionKind = valued_kind(GadgetKindCode::Option, check_measure);

TextAlignment check_alignment(int flags) {
  if (has_flag(flags, kCheckBoxCenter)) return TextAlignment::Center;
  if (has_flag(flags, kCheckBoxRight)) return TextAlignment::Right;
  return TextAlignment::Left;
}

}  // namespace

int create_checkbox_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = control_request(ControlKind::CheckBox, geometry, arguments);
  request.style.alignment = check_alignment(arguments.flags);
  return create_flagged_gadget(number, kCheckBoxKind, std::move(request), arguments,
                               {{kCheckBoxThreeState, &ControlStyle::three_state}});
}

int create_option_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(
      number, kOptionKind, control_request(ControlKind::Option, geometry, arguments), arguments);
}

}  // namespace ambrel
