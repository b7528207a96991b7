#include "dialog/definition/gadget_attributes.h"

#include "dialog/definition/attribute_values.h"
#include "dialog/definition/element_kinds.h"

namespace ambrel {

GadgetAttributes read_gadget_attributes(const ElementView& element, DialogKind kind) {
  GadgetAttributes attributes;
  const ElementKind* entry = element_kind_of(kind);
  std::int32_t default_maximum = entry == nullptr ? 100 : entry->creation.default_maximum;
  attributes.minimum = read_numeric_attribute(element, u"MIN", 0);
  attributes.maximum = read_numeric_attribute(element, u"MAX", default_maximum);
  attributes.page = read_numeric_attribute(element, u"PAGE", 10);
  attributes.value = read_numeric_attribute(element, u"VALUE", attributes.minimum);
  attributes.color = read_numeric_attribute(element, u"COLOR", 0xFF0000);
  attributes.group = read_numeric_attribute(element, u"GROUP", -1);
  return attributes;
}

}  // namespace ambrel
