#include "dialog/definition/window_lookup.h"

#include <optional>

#include "dialog/definition/element_view.h"
#include "dialog/definition/name_compare.h"

namespace ambrel {
namespace {

bool is_element_named(const XmlNode& node, std::u16string_view name) {
  return node.kind == XmlNodeKind::element && node.name != nullptr && names_equal(node.name, name);
}

bool is_matching_window(const XmlNode& node, std::u16string_view name) {
  if (!is_element_named(node, u"window")) return false;
  if (name.empty()) return true;
  std::optional<std::u16string_view> own = find_attribute(element_view_of(node), u"NAME");
  return own && names_equal(*own, name);
}

}  // namespace

const XmlNode* find_window_element(const XmlNode* document_element, std::u16string_view name) {
  if (document_element == nullptr) return nullptr;
  if (is_matching_window(*document_element, name)) return document_element;
  if (!is_element_named(*document_element, u"dialogs")) return nullptr;
  for (const XmlNode* child = document_element->first_child; child != nullptr;
       child = child->next_sibling) {
    if (is_matching_window(*child, name)) return child;
  }
  return nullptr;
}

}  // namespace ambrel
