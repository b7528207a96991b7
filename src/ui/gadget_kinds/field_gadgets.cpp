// One-line fields: string, spin, IP address, shortcut, date, combo box and the explorer's
// path combo. Their measures follow a line of text in the control's font; the string and
// the combo box report focus changes (14000, 14001); the user's edits arrive as 768.

#include <utility>

#include "ui/gadget_kinds/kind_operations.h"
#include "ui/measure.h"
#include "ui/ui_backend.h"

namespace ambrel {

namespace {

Size sample_extent(const Gadget& gadget) { return gadget_text_extent(gadget.number, kLineSample); }

Size string_measure(const Gadget& gadget) {
  return string_natural_size(sample_extent(gadget), ui_system_metrics());
}

Size spin_measure(const Gadget& gadget) {
  return spin_natural_size(sample_extent(gadget), ui_system_metrics());
}

Size address_measure(const Gadget& gadget) {
  return address_natural_size(gadget_text_extent(gadget.number, kWidestAddress),
                              ui_system_metrics());
}

Size date_measure(const Gadget& gadget) {
  Size extent = gadget_text_extent(gadget.number, get_gadget_text(gadget.number));
  return date_natural_size(extent, has_flag(gadget.flags, kDateCheckBox), ui_system_metrics());
}

Size combobox_measure(const Gadget& gadget) { return combobox_natural_size(sample_extent(gadget)); }

constexpr GadgetKind kStringKind{
    .code = GadgetKindCode::String, .focus = raise_focus_event, .natural_size = string_measure};

constexpr GadgetKind kSpinKind = valued_kind(GadgetKindCode::Spin, spin_measure);

constexpr GadgetKind kIpAddressKind{.code = GadgetKindCode::IpAddress,
                                    .natural_size = address_measure};

constexpr GadgetKind kShortcutKind{.code = GadgetKindCode::Shortcut,
                                   .natural_size = string_measure};

constexpr GadgetKind kDateKind{.code = GadgetKindCode::Date, .natural_size = date_measure};

constexpr GadgetKind kComboBoxKind{.code = GadgetKindCode::ComboBox,
                                   .get_state = value_state,
                                   .set_state = set_value_state,
                                   .add_item = add_control_item_at,
                                   .focus = raise_focus_event,
                                   .natural_size = combobox_measure};

constexpr GadgetKind kExplorerComboKind{.code = GadgetKindCode::ExplorerCombo};

}  // namespace

int create_string_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  ControlRequest request = control_request(ControlKind::String, geometry, arguments);
  if (!has_flag(arguments.flags, kStringBorderLess)) request.style.border = BorderStyle::Sunken;
  return create_flagged_gadget(
      number, kStringKind, std::move(request), arguments,
      {{kStringPassword, &ControlStyle::password}, {kStringReadOnly, &ControlStyle::read_only}});
}

int create_spin_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(number, kSpinKind,
                               textless_control_request(ControlKind::Spin, geometry, arguments),
                               arguments, {{kSpinReadOnly, &ControlStyle::read_only}});
}

int create_ipaddress_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(
      number, kIpAddressKind, textless_control_request(ControlKind::IpAddress, geometry, arguments),
      arguments);
}

int create_shortcut_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(number, kShortcutKind,
                               textless_control_request(ControlKind::Shortcut, geometry, arguments),
                               arguments);
}

// The text is the date mask.
int create_date_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(number, kDateKind,
                               control_request(ControlKind::Date, geometry, arguments), arguments);
}

int create_combobox_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(number, kComboBoxKind,
                               textless_control_request(ControlKind::ComboBox, geometry, arguments),
                               arguments, {{kComboBoxEditable, &ControlStyle::editable}});
}

// The text is the initial path.
int create_explorercombo_gadget(int number, Rect geometry, const GadgetArguments& arguments) {
  return create_flagged_gadget(number, kExplorerComboKind,
                               control_request(ControlKind::ExplorerCombo, geometry, arguments),
                               arguments, {{kExplorerComboEditable, &ControlStyle::editable}});
}

}  // namespace ambrel
