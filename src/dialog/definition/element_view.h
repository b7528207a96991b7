#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dialog/definition/definition_notes.h"
#include "dialog/definition/definition_place.h"
#include "xml/xml_node.h"

namespace ambrel {

// A read-only look at one definition element: its name as written and its attribute
// table of 2 * attribute_count null-terminated texts (name, value, name, value, ...) in
// document order, the layout the XML document model keeps in its node records. A view of a
// node can also tell an open's notes which attributes the readers took and what they warn
// about; a view without notes (or without node) observes nothing.
struct ElementView {
  std::u16string_view name;
  const char16_t* const* attributes = nullptr;
  int attribute_count = 0;
  const XmlNode* node = nullptr;
  DefinitionNotes* notes = nullptr;

  std::u16string_view attribute_name(int index) const { return text_at(2 * index); }
  std::u16string_view attribute_value(int index) const { return text_at(2 * index + 1); }

  // True when attribute `index` is called `wanted` (compared without case); a reader that
  // asks takes it, so it is not reported as unused.
  bool attribute_is(int index, std::u16string_view wanted) const;
  void mark_read(int index) const;

  DefinitionPlace place(int attribute = -1) const { return {node, attribute}; }
  // A warning about the attribute (-1: the element).
  void warn(int attribute, std::string text) const;
  // The element's gadget asks for `number` by attribute `attribute` (see DefinitionNotes).
  void note_gadget_number(int attribute, std::int32_t number) const;
  // The attribute's name as written, in UTF-8, for messages.
  std::string written_name(int attribute) const;

 private:
  std::u16string_view text_at(int slot) const {
    const char16_t* text = attributes[slot];
    return text == nullptr ? std::u16string_view() : std::u16string_view(text);
  }
};

// The view of an element node of a parsed definition.
ElementView element_view_of(const XmlNode& node, DefinitionNotes* notes = nullptr);

// The value of the first attribute with the name (compared without case), if any; it is
// taken, the later ones of the same name are not.
std::optional<std::u16string_view> find_attribute(const ElementView& element,
                                                  std::u16string_view name);
// The index of that attribute, or -1.
int find_attribute_index(const ElementView& element, std::u16string_view name);

}  // namespace ambrel
