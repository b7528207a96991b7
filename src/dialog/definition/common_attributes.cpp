#include "dialog/definition/common_attributes.h"

#include "dialog/definition/attribute_values.h"
#include "dialog/definition/flag_expression.h"
#include "dialog/definition/name_compare.h"

namespace ambrel {
namespace {

void read_common_attribute(std::u16string_view name, std::u16string_view value,
                           const ElementView& element, DialogKind kind, DialogError& error,
                           CommonAttributes& attributes) {
  if (names_equal(name, u"ID")) {
    attributes.requested_id = read_id(value, error);
  } else if (names_equal(name, u"NAME")) {
    attributes.name = std::u16string(value);
  } else if (names_equal(name, u"TEXT")) {
    attributes.text = std::u16string(value);
  } else if (names_equal(name, u"WIDTH")) {
    attributes.width = read_number(value);
  } else if (names_equal(name, u"HEIGHT")) {
    attributes.height = read_number(value);
  } else if (names_equal(name, u"FOLDED")) {
    attributes.folded = read_yes_no(value);
  } else if (names_equal(name, u"FLAGS")) {
    attributes.flags |= parse_flag_expression(value, kind, element.name, error);
  }
}

}  // namespace

CommonAttributes read_common_attributes(const ElementView& element, DialogKind kind,
                                        DialogError& error) {
  CommonAttributes attributes;
  for (int i = 0; i < element.attribute_count; ++i) {
    read_common_attribute(element.attribute_name(i), element.attribute_value(i), element, kind,
                          error, attributes);
  }
  return attributes;
}

GadgetStateAttributes read_gadget_state_attributes(const ElementView& element) {
  GadgetStateAttributes state;
  for (int i = 0; i < element.attribute_count; ++i) {
    std::u16string_view name = element.attribute_name(i);
    if (names_equal(name, u"DISABLED")) state.disabled = read_yes_no(element.attribute_value(i));
    if (names_equal(name, u"INVISIBLE")) state.invisible = read_yes_no(element.attribute_value(i));
  }
  return state;
}

}  // namespace ambrel
