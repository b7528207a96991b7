#pragma once

#include <cstdint>

namespace ambrel {

// What a node stands for. The values are part of the contract with the dialog engine,
// which compares a node's kind field directly.
enum class XmlNodeKind : std::int16_t {
  root = 0,         // the document itself; its text is the whitespace outside the document element
  element = 1,      // name: the qualified name as written; text: its own character data
  comment = 2,      // text: the comment's content
  cdata = 3,        // text: the section's content
  doctype = 4,      // text: the document type declaration re-composed as text
  instruction = 5,  // name: the target; text: the instruction's data
};

// One node of a parsed document. The document owns the node and every string it points
// to; readers never write through these pointers. The dialog engine reads kind, name,
// first_child, next_sibling, attribute_count and attributes directly.
struct XmlNode {
  XmlNode* parent;       // null only for the root node
  XmlNode* first_child;  // null when the node has no children
  XmlNode* previous_sibling;
  XmlNode* next_sibling;
  const char16_t* name;  // element name or instruction target; null for other kinds
  const char16_t* text;  // accumulated text; null when empty
  // 2 * attribute_count entries: name, value, name, value ... in start-tag order, then any
  // defaulted from the document type declaration. Null when attribute_count is 0.
  const char16_t* const* attributes;
  XmlNodeKind kind;
  // Iteration position of xml_next_attribute; -1 after xml_examine_attributes.
  // Cursor and count are 32-bit so that elements with tens of thousands of attributes
  // neither wrap nor lose pairs.
  std::int32_t attribute_cursor;
  std::int32_t attribute_count;
  // 1 + the number of preceding siblings with the same path base (same kind, and for
  // elements the same name); filled while parsing so xml_node_path needs no sibling scan.
  std::int32_t sibling_index;
};

}  // namespace ambrel
