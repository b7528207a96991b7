// Parses arbitrary text and runs every navigation query over the whole tree, checking
// that the queries agree with the node links they read. The same text is parsed again
// in pieces of a size the input chooses, and in one-unit pieces when it is short: where
// the parser's calls are cut must not change the tree or the status.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_services.h"
#include "fuzz_text.h"
#include "support/object_registry.h"
#include "xml/document_parse.h"
#include "xml/xml_document.h"
#include "xml_navigation.h"

namespace ambrel {
namespace {

void check_attributes(XmlNode* node) {
  bool element = xml_node_kind(node) == static_cast<int>(XmlNodeKind::element);
  fuzz_require(xml_examine_attributes(node) == (element ? 1 : 0), "examine answers per kind");
  if (!element) return;
  fuzz_require(xml_attribute_name(node).empty(), "no pair before the first step");
  std::int32_t pairs = 0;
  while (xml_next_attribute(node) == 1) {
    fuzz_require(xml_attribute_name(node) == node->attributes[2 * pairs], "pair names in order");
    ++pairs;
  }
  fuzz_require(pairs == node->attribute_count, "every pair visited once");
  fuzz_require(xml_attribute_name(node).empty(), "no pair after the last");
}

// Checks one node's own queries and returns its children in order.
std::vector<XmlNode*> check_node(XmlNode* node) {
  int kind = xml_node_kind(node);
  fuzz_require(kind >= 0 && kind <= 5, "kind in range");
  fuzz_require(xml_node_name(node).empty() == (node->name == nullptr || *node->name == 0),
               "name as stored");
  xml_node_text(node);
  std::u16string path = xml_node_path(node);
  fuzz_require(!path.empty() && path[0] == u'/', "paths are absolute");
  check_attributes(node);

  std::vector<XmlNode*> children;
  XmlNode* previous = nullptr;
  for (XmlNode* child = xml_child_node(node, 1); child != nullptr; child = xml_next_node(child)) {
    fuzz_require(child->parent == node && child->previous_sibling == previous, "links agree");
    previous = child;
    children.push_back(child);
  }
  int count = xml_child_count(node);
  fuzz_require(count == static_cast<int>(children.size()), "child count");
  if (count > 0) fuzz_require(xml_child_node(node, count) == children.back(), "last child");
  fuzz_require(xml_child_node(node, count + 1) == nullptr, "no child past the last");
  return children;
}

void check_tree(XmlNode* root) {
  std::vector<XmlNode*> pending{root};
  while (!pending.empty()) {
    XmlNode* node = pending.back();
    pending.pop_back();
    std::vector<XmlNode*> children = check_node(node);
    pending.insert(pending.end(), children.rbegin(), children.rend());
  }
}

std::u16string_view view(const char16_t* text) { return text == nullptr ? u"" : text; }

bool same_string(const char16_t* a, const char16_t* b) { return view(a) == view(b); }

// Before a fault the parser has passed on the character data up to the end of the piece
// it was given, where the whole text gives none of the run the fault is in (see
// fuzz/findings/piece_boundary_text.md); so after a fault a text may only have grown.
void require_same_text(const XmlNode& whole, const XmlNode& piecewise, bool malformed) {
  if (malformed) {
    fuzz_require(view(piecewise.text).substr(0, view(whole.text).size()) == view(whole.text),
                 "pieces: the text up to a fault");
  } else {
    fuzz_require(same_string(whole.text, piecewise.text), "pieces: same text");
  }
}

void require_same_node(const XmlNode& whole, const XmlNode& piecewise, bool malformed) {
  fuzz_require(whole.kind == piecewise.kind, "pieces: same kind");
  fuzz_require(same_string(whole.name, piecewise.name), "pieces: same name");
  require_same_text(whole, piecewise, malformed);
  fuzz_require(whole.sibling_index == piecewise.sibling_index, "pieces: same sibling index");
  fuzz_require(whole.attribute_count == piecewise.attribute_count, "pieces: same attribute count");
  for (std::int32_t i = 0; i < 2 * whole.attribute_count; ++i) {
    fuzz_require(same_string(whole.attributes[i], piecewise.attributes[i]),
                 "pieces: same attributes");
  }
}

// Walks both trees side by side; the child lists must match node for node. Which fault
// the parser names can depend on the cut as well (see the finding), so of the status only
// success must agree.
void require_same_tree(const XmlDocument& whole, const XmlDocument& piecewise) {
  const XmlParseResult& s = whole.parse_result;
  const XmlParseResult& t = piecewise.parse_result;
  if (s.ok() != t.ok()) {
    std::fprintf(stderr, "whole: status %d at %d:%d; pieces: status %d at %d:%d\n",
                 static_cast<int>(s.status), s.line, s.column, static_cast<int>(t.status), t.line,
                 t.column);
    fuzz_require(false, "pieces: well-formed in both or in neither");
  }
  fuzz_require(whole.line_ending == piecewise.line_ending, "pieces: same line ending");
  fuzz_require((whole.main_node == nullptr) == (piecewise.main_node == nullptr),
               "pieces: same main node");
  std::vector<std::pair<const XmlNode*, const XmlNode*>> pending{{whole.root, piecewise.root}};
  while (!pending.empty()) {
    auto [a, b] = pending.back();
    pending.pop_back();
    require_same_node(*a, *b, !whole.parse_result.ok());
    const XmlNode* x = a->first_child;
    const XmlNode* y = b->first_child;
    for (; x != nullptr && y != nullptr; x = x->next_sibling, y = y->next_sibling)
      pending.emplace_back(x, y);
    fuzz_require(x == nullptr && y == nullptr, "pieces: same number of children");
  }
}

void check_pieces(std::u16string_view text, const XmlDocument& whole, std::size_t piece_units) {
  int document = parse_text_in_pieces(kAnyNumber, text, piece_units);
  const XmlDocument* piecewise = xml_find_document(document);
  fuzz_require(piecewise != nullptr, "a document from pieces");
  require_same_tree(whole, *piecewise);
  xml_free_document(document);
}

// The piece size from the last input byte: 1 to 256 units.
std::size_t chosen_piece_units(const std::uint8_t* data, std::size_t size) {
  return size == 0 ? 1 : std::size_t{1} + data[size - 1];
}

}  // namespace
}  // namespace ambrel

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ambrel::start_fuzz_services();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ambrel;
  std::u16string text = fuzz_text(data, size);
  int document = xml_parse_text(kAnyNumber, text);
  fuzz_require(xml_is_document(document) != 0, "every text gives a document");
  const XmlDocument* parsed = xml_find_document(document);
  fuzz_require(parsed != nullptr && parsed->root != nullptr, "a root node");
  XmlNode* main_node = xml_main_node(document);
  fuzz_require(main_node == nullptr || main_node->parent == parsed->root, "main node under root");
  XmlParseResult status = xml_parse_result(document);
  fuzz_require(
      status.ok() == (status.description() == nullptr) || static_cast<int>(status.status) > 40,
      "a message exactly for known errors");
  check_tree(parsed->root);
  check_pieces(text, *parsed, chosen_piece_units(data, size));
  if (text.size() <= 2048) check_pieces(text, *parsed, 1);
  xml_free_document(document);
  fuzz_require(xml_is_document(document) == 0, "freed");
  return 0;
}
