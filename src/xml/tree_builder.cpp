#include "xml/tree_builder.h"

#include <limits>
#include <new>

namespace ambrel {

TreeBuilder::TreeBuilder(XmlDocument& document) : document_(document) {
  make_room();
  push(document.root);
}

void TreeBuilder::open_element(std::u16string_view name, const char16_t* const* attributes,
                               std::size_t attribute_strings) {
  if (attribute_strings / 2 > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw std::bad_alloc();
  }
  make_room();
  OpenNode& parent = open_[depth_ - 1];
  SiblingNames::Entry seen = parent.element_names.count(name);
  const char16_t* stored_name = seen.stored_name;
  if (stored_name == nullptr) {
    stored_name = names_.intern(name, document_.strings);
    parent.element_names.add({stored_name, name.size()});
  }
  const char16_t* const* table = store_attributes(attributes, attribute_strings);

  XmlNode* node = link_new_node(XmlNodeKind::element);
  node->name = stored_name;
  node->attributes = table;
  node->attribute_count = static_cast<std::int32_t>(attribute_strings / 2);
  node->sibling_index = seen.count;
  if (document_.main_node == nullptr) document_.main_node = node;
  push(node);
}

void TreeBuilder::open(XmlNodeKind kind, std::u16string_view name) {
  const char16_t* stored_name =
      kind == XmlNodeKind::instruction ? document_.strings.store(name) : nullptr;
  make_room();
  OpenNode& parent = open_[depth_ - 1];
  std::int32_t index = ++parent.kind_counts[static_cast<std::size_t>(kind)];
  XmlNode* node = link_new_node(kind);
  node->name = stored_name;
  node->sibling_index = index;
  push(node);
}

void TreeBuilder::close() {
  if (depth_ <= 1) return;
  OpenNode& closing = open_[depth_ - 1];
  closing.node->text = closing.text.store_in(document_.strings);
  --depth_;
}

void TreeBuilder::append_text(std::u16string_view chars) {
  open_[depth_ - 1].text.append_lines(chars, document_.line_ending);
}

void TreeBuilder::append_verbatim(std::u16string_view chars) {
  open_[depth_ - 1].text.append(chars);
}

XmlNodeKind TreeBuilder::current_kind() const { return open_[depth_ - 1].node->kind; }

void TreeBuilder::finish() {
  for (std::size_t i = 0; i < depth_; ++i) {
    OpenNode& entry = open_[i];
    if (!entry.text.empty()) entry.node->text = entry.text.store_in(document_.strings);
  }
}

// Makes sure push() will not need to allocate, so a node is never linked without being
// opened.
void TreeBuilder::make_room() {
  if (depth_ == open_.size()) open_.emplace_back();
}

// A zeroed node of `kind`, linked as the last child of the innermost open node.
XmlNode* TreeBuilder::link_new_node(XmlNodeKind kind) {
  OpenNode& parent = open_[depth_ - 1];
  XmlNode* node = document_.nodes.allocate();
  node->kind = kind;
  node->parent = parent.node;
  if (parent.last_child != nullptr) {
    parent.last_child->next_sibling = node;
    node->previous_sibling = parent.last_child;
  } else {
    parent.node->first_child = node;
  }
  parent.last_child = node;
  return node;
}

void TreeBuilder::push(XmlNode* node) {
  OpenNode& entry = open_[depth_];
  entry.node = node;
  entry.last_child = nullptr;
  entry.element_names.clear();
  entry.kind_counts.fill(0);
  ++depth_;
}

const char16_t* const* TreeBuilder::store_attributes(const char16_t* const* attributes,
                                                     std::size_t count) {
  if (count == 0) return nullptr;
  auto* table = static_cast<const char16_t**>(
      document_.strings.allocate(count * sizeof(const char16_t*), alignof(const char16_t*)));
  for (std::size_t i = 0; i < count; i += 2) {
    table[i] = names_.intern(attributes[i], document_.strings);
    table[i + 1] = document_.strings.store(attributes[i + 1]);
  }
  return table;
}

}  // namespace ambrel
