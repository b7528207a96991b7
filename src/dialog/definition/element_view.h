#pragma once

#include <optional>
#include <string_view>

#include "xml/xml_node.h"

namespace ambrel {

// A read-only look at one definition element: its name as written and its attribute
// table of 2 * attribute_count null-terminated texts (name, value, name, value, ...) in
// document order, the layout the XML document model keeps in its node records.
struct ElementView {
  std::u16string_view name;
  const char16_t* const* attributes = nullptr;
  int attribute_count = 0;

  std::u16string_view attribute_name(int index) const { return text_at(2 * index); }
  std::u16string_view attribute_value(int index) const { return text_at(2 * index + 1); }

 private:
  std::u16string_view text_at(int slot) const {
    const char16_t* text = attributes[slot];
    return text == nullptr ? std::u16string_view() : std::u16string_view(text);
  }
};

// The view of an element node of a parsed definition.
ElementView element_view_of(const XmlNode& node);

// The value of the first attribute with the name (compared without case), if any.
std::optional<std::u16string_view> find_attribute(const ElementView& element,
                                                  std::u16string_view name);

}  // namespace ambrel
