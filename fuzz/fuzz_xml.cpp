// Parses arbitrary text and runs every navigation query over the whole tree, checking
// that the queries agree with the node links they read.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_text.h"
#include "support/object_registry.h"
#include "xml/xml_document.h"
#include "xml/xml_navigation.h"

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

}  // namespace
}  // namespace ambrel

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ambrel::xml_library_init();
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
  XmlParseStatus status = xml_parse_status(document);
  fuzz_require((status.status == 0) == (status.message == nullptr) || status.status > 40,
               "a message exactly for known errors");
  check_tree(parsed->root);
  xml_free_document(document);
  fuzz_require(xml_is_document(document) == 0, "freed");
  return 0;
}
