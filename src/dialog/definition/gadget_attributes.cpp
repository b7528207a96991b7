#include "dialog/definition/gadget_attributes.h"

#include "dialog/definition/attribute_values.h"

namespace ambrel {

CreationArguments creation_arguments_of(DialogKind kind) { return kind_row_of(kind).creation; }

GadgetAttributes read_gadget_attributes(const ElementView& element, DialogKind kind) {
  GadgetAttributes attributes;
  CreationArguments creation = creation_arguments_of(kind);
  if ((creation.takes & kTakesRange) != 0) {
    attributes.minimum = read_numeric_attribute(element, u"MIN", 0);
    attributes.maximum = read_numeric_attribute(element, u"MAX", creation.default_maximum);
    attributes.value = read_numeric_attribute(element, u"VALUE", attributes.minimum);
  }
  if ((creation.takes & kTakesPage) != 0) {
    attributes.page = read_numeric_attribute(element, u"PAGE", 10);
  }
  if ((creation.takes & kTakesColor) != 0) {
    attributes.color = read_numeric_attribute(element, u"COLOR", 0xFF0000);
  }
  if (kind == DialogKind::Option) attributes.group = read_numeric_attribute(element, u"GROUP", -1);
  return attributes;
}

}  // namespace ambrel
