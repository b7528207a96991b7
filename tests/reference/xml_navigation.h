#pragma once

#include <string>

#include "xml/xml_node.h"

namespace ambrel {

// Read operations on the nodes of a parsed document, as the first walk of the declarations
// was written on them (see the literal generator). Every text result is a fresh copy;
// absent strings give the empty text, absent nodes null. A null node gives 0, the empty
// text or null.

// The node's kind as 0..5 (see XmlNodeKind).
int xml_node_kind(const XmlNode* node);

// The element name or instruction target; empty for the other kinds.
std::u16string xml_node_name(const XmlNode* node);

std::u16string xml_node_text(const XmlNode* node);

// The absolute path: "/" for the root, else "/" joined segments such as "/r/a[2]/#comment".
// A segment is the element name (or "#comment", "#cdata", "#dtd", "#instruction"),
// followed by "[n]" when n-1 preceding siblings share it. Costs O(depth).
std::u16string xml_node_path(const XmlNode* node);

// Restarts attribute iteration on the node: 1 for an element (with or without
// attributes), 0 for any other kind.
int xml_examine_attributes(XmlNode* node);

// Moves to the next attribute pair; 1 while the cursor is on a pair, 0 after the last.
int xml_next_attribute(XmlNode* node);

// The name of the attribute pair under the cursor; empty when the cursor is on no pair.
std::u16string xml_attribute_name(const XmlNode* node);

// The number of children of every kind. Costs O(children).
int xml_child_count(const XmlNode* node);

// The n-th child counting from 1 (n <= 1 gives the first), of any kind; null when there
// are fewer than n children. Costs O(n): walk long child lists with xml_next_node.
XmlNode* xml_child_node(const XmlNode* node, int n);

// The next sibling of any kind, or null.
XmlNode* xml_next_node(const XmlNode* node);

}  // namespace ambrel
