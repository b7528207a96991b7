#include "dialog/definition/element_view.h"

#include "dialog/definition/name_compare.h"
#include "support/unicode_text.h"

namespace ambrel {

bool ElementView::attribute_is(int index, std::u16string_view wanted) const {
  if (!names_equal(attribute_name(index), wanted)) return false;
  mark_read(index);
  return true;
}

void ElementView::mark_read(int index) const {
  if (notes != nullptr && node != nullptr) notes->mark_read(*node, index);
}

void ElementView::warn(int attribute, std::string text) const {
  if (notes != nullptr) notes->warn(place(attribute), std::move(text));
}

void ElementView::note_gadget_number(int attribute, std::int32_t number) const {
  if (notes != nullptr && node != nullptr) notes->note_gadget_number(place(attribute), number);
}

std::string ElementView::written_name(int attribute) const {
  return utf16_to_utf8(attribute < 0 ? name : attribute_name(attribute));
}

ElementView element_view_of(const XmlNode& node, DefinitionNotes* notes) {
  ElementView view;
  if (node.name != nullptr) view.name = node.name;
  view.attributes = node.attributes;
  view.attribute_count = node.attributes == nullptr ? 0 : node.attribute_count;
  view.node = &node;
  view.notes = notes;
  return view;
}

int find_attribute_index(const ElementView& element, std::u16string_view name) {
  for (int i = 0; i < element.attribute_count; ++i) {
    if (element.attribute_is(i, name)) return i;
  }
  return -1;
}

std::optional<std::u16string_view> find_attribute(const ElementView& element,
                                                  std::u16string_view name) {
  int index = find_attribute_index(element, name);
  if (index < 0) return std::nullopt;
  return element.attribute_value(index);
}

}  // namespace ambrel
