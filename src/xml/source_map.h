#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "xml/xml_node.h"

namespace ambrel {

// A place in a parsed text: line and column counted from 1, a column being one character
// (a surrogate pair counts once) as the parser counts them. 0 and 0 when unknown.
struct XmlPosition {
  std::int32_t line = 0;
  std::int32_t column = 0;

  friend bool operator==(const XmlPosition&, const XmlPosition&) = default;
};

// Where each element of a document and each of its attributes was written, kept beside the
// tree (the node records stay as they are) for messages about a document someone wrote,
// such as a dialog definition.
class XmlSourceMap {
 public:
  // `attributes` holds the place of each attribute's name, in the node's table order.
  void add(const XmlNode* element, XmlPosition start_tag, std::span<const XmlPosition> attributes);

  // The '<' of the element's start tag; unknown for a node the map does not hold.
  XmlPosition element_position(const XmlNode* element) const;
  // The name of attribute `attribute` of the element; the start tag for an attribute
  // defaulted from the document type declaration, which was written nowhere in the tag.
  XmlPosition attribute_position(const XmlNode* element, int attribute) const;

 private:
  struct Entry {
    std::size_t first = 0;  // index of the start tag's place in positions_
    std::size_t attributes = 0;
  };

  std::unordered_map<const XmlNode*, Entry> entries_;
  std::vector<XmlPosition> positions_;
};

}  // namespace ambrel
