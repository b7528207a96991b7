#include "dialog/definition/definition_notes.h"

#include "dialog/definition/message_text.h"
#include "support/unicode_text.h"

namespace ambrel {

void DefinitionNotes::begin(const XmlSourceMap* positions) {
  first_mark_.clear();
  elements_.clear();
  read_.clear();
  warnings_.clear();
  gadget_numbers_.clear();
  positions_ = positions;
}

XmlPosition DefinitionNotes::position_of(DefinitionPlace place) const {
  if (positions_ == nullptr || place.element == nullptr) return {};
  return place.attribute < 0 ? positions_->element_position(place.element)
                             : positions_->attribute_position(place.element, place.attribute);
}

void DefinitionNotes::warn(DefinitionPlace place, std::string text) {
  warnings_.push_back({position_of(place), std::move(text)});
}

void DefinitionNotes::note_gadget_number(DefinitionPlace place, std::int32_t number) {
  auto [first, added] = gadget_numbers_.try_emplace(number, place.element);
  if (added) return;
  XmlPosition first_place = position_of({first->second, -1});
  std::string where = first_place.line > 0 ? message_text({" at ", std::to_string(first_place.line),
                                                           ":", std::to_string(first_place.column)})
                                           : std::string();
  warn(place,
       message_text({utf16_to_utf8(place.element->attributes[2 * place.attribute]), " ",
                     std::to_string(number), " is already the number of the ",
                     utf16_to_utf8(first->second->name), where, "; that gadget is freed and this ",
                     utf16_to_utf8(place.element->name), " takes its number"}));
  first->second = place.element;
}

void DefinitionNotes::note_element(const XmlNode& element) {
  auto [entry, added] = first_mark_.try_emplace(&element, read_.size());
  if (!added) return;
  elements_.push_back(&element);
  read_.resize(read_.size() + static_cast<std::size_t>(element.attribute_count), false);
}

void DefinitionNotes::mark_read(const XmlNode& element, int attribute) {
  auto found = first_mark_.find(&element);
  if (found == first_mark_.end() || attribute < 0 || attribute >= element.attribute_count) return;
  read_[found->second + static_cast<std::size_t>(attribute)] = true;
}

void DefinitionNotes::warn_unread_attributes() {
  for (const XmlNode* element : elements_) {
    std::size_t first = first_mark_[element];
    for (int i = 0; i < element->attribute_count; ++i) {
      if (read_[first + static_cast<std::size_t>(i)]) continue;
      warn({element, i},
           message_text({utf16_to_utf8(element->name), " does not use the attribute '",
                         utf16_to_utf8(element->attributes[2 * i]), "'; it is ignored"}));
    }
  }
}

}  // namespace ambrel
