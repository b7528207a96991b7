#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "dialog/definition/definition_place.h"
#include "xml/source_map.h"

namespace ambrel {

// A message about a definition with where it points (0 and 0 when that is unknown).
struct DefinitionMessage {
  XmlPosition position;
  std::string text;  // UTF-8

  friend bool operator==(const DefinitionMessage&, const DefinitionMessage&) = default;
};

// What one open of a definition observed besides its first error: a warning for each thing
// the engine ignores or changes by design, given by the code that applies the rule, and
// which attributes of the elements it built were read at all, so that the others can be
// reported once the open is done. Only observes: nothing in it changes what an open builds.
class DefinitionNotes {
 public:
  // Forgets everything; places are then looked up in `positions` (null: unknown).
  void begin(const XmlSourceMap* positions);

  XmlPosition position_of(DefinitionPlace place) const;
  void warn(DefinitionPlace place, std::string text);

  // The gadget of the element `place` is in asks for the number given by the attribute at
  // `place`. Creating a gadget under a number in use frees the gadget that had it, so a
  // second gadget that asks for a number of this open is warned about, naming the first.
  void note_gadget_number(DefinitionPlace place, std::int32_t number);

  // The element is being built: from now on its attributes count as unread until a reader
  // takes them.
  void note_element(const XmlNode& element);
  void mark_read(const XmlNode& element, int attribute);
  // Warns about every attribute of the noted elements that no reader took.
  void warn_unread_attributes();

  std::span<const DefinitionMessage> warnings() const { return warnings_; }

 private:
  // Where each noted element's read marks start in read_.
  std::unordered_map<const XmlNode*, std::size_t> first_mark_;
  std::vector<const XmlNode*> elements_;  // in the order they were built
  std::vector<bool> read_;
  const XmlSourceMap* positions_ = nullptr;
  std::vector<DefinitionMessage> warnings_;
  std::unordered_map<std::int32_t, const XmlNode*> gadget_numbers_;  // the element asking
};

}  // namespace ambrel
