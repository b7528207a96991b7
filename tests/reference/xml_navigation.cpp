#include "xml_navigation.h"

#include <climits>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

namespace {

std::u16string copy_of(const char16_t* s) { return s == nullptr ? std::u16string() : s; }

std::u16string_view path_base(const XmlNode& node) {
  switch (node.kind) {
    case XmlNodeKind::root:
      return {};
    case XmlNodeKind::element:
      return node.name == nullptr ? u"" : node.name;
    case XmlNodeKind::comment:
      return u"#comment";
    case XmlNodeKind::cdata:
      return u"#cdata";
    case XmlNodeKind::doctype:
      return u"#dtd";
    case XmlNodeKind::instruction:
      return u"#instruction";
  }
  return {};
}

void append_segment(std::u16string& path, const XmlNode& node) {
  path += path_base(node);
  if (node.sibling_index <= 1) return;
  path += u'[';
  for (char c : std::to_string(node.sibling_index)) path += static_cast<char16_t>(c);
  path += u']';
}

}  // namespace

int xml_node_kind(const XmlNode* node) {
  return node == nullptr ? 0 : static_cast<int>(node->kind);
}

std::u16string xml_node_name(const XmlNode* node) {
  return node == nullptr ? std::u16string() : copy_of(node->name);
}

std::u16string xml_node_text(const XmlNode* node) {
  return node == nullptr ? std::u16string() : copy_of(node->text);
}

std::u16string xml_node_path(const XmlNode* node) {
  if (node == nullptr) return {};
  if (node->parent == nullptr) return u"/";
  std::vector<const XmlNode*> chain;
  for (const XmlNode* at = node; at->parent != nullptr; at = at->parent) chain.push_back(at);
  std::u16string path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    path += u'/';
    append_segment(path, **it);
  }
  return path;
}

int xml_examine_attributes(XmlNode* node) {
  if (node == nullptr) return 0;
  node->attribute_cursor = -1;
  return node->kind == XmlNodeKind::element ? 1 : 0;
}

int xml_next_attribute(XmlNode* node) {
  if (node == nullptr) return 0;
  if (node->attribute_cursor < node->attribute_count) ++node->attribute_cursor;
  return node->attribute_cursor < node->attribute_count ? 1 : 0;
}

std::u16string xml_attribute_name(const XmlNode* node) {
  if (node == nullptr || node->attribute_cursor < 0 ||
      node->attribute_cursor >= node->attribute_count) {
    return {};
  }
  return copy_of(node->attributes[2 * static_cast<std::size_t>(node->attribute_cursor)]);
}

int xml_child_count(const XmlNode* node) {
  if (node == nullptr) return 0;
  int count = 0;
  for (const XmlNode* child = node->first_child; child != nullptr && count < INT_MAX;
       child = child->next_sibling) {
    ++count;
  }
  return count;
}

XmlNode* xml_child_node(const XmlNode* node, int n) {
  if (node == nullptr) return nullptr;
  XmlNode* child = node->first_child;
  for (int i = 1; i < n && child != nullptr; ++i) child = child->next_sibling;
  return child;
}

XmlNode* xml_next_node(const XmlNode* node) {
  return node == nullptr ? nullptr : node->next_sibling;
}

}  // namespace ambrel
