#include "dialog/definition/element_view.h"

#include "dialog/definition/name_compare.h"

namespace ambrel {

ElementView element_view_of(const XmlNode& node) {
  ElementView view;
  if (node.name != nullptr) view.name = node.name;
  view.attributes = node.attributes;
  view.attribute_count = node.attributes == nullptr ? 0 : node.attribute_count;
  return view;
}

std::optional<std::u16string_view> find_attribute(const ElementView& element,
                                                  std::u16string_view name) {
  for (int i = 0; i < element.attribute_count; ++i) {
    if (names_equal(element.attribute_name(i), name)) return element.attribute_value(i);
  }
  return std::nullopt;
}

}  // namespace ambrel
