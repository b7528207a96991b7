#include "xml/tree_builder.h"

#include <limits>
#include <new>
#include <string>

namespace ambrel {

TreeBuilder::TreeBuilder(XmlDocument& document) : document_(document) {
  make_room();
  push(document.root);
}

void TreeBuilder::start_element(std::u16string_view name, const char16_t* const* attributes,
                                std::size_t attribute_count) {
  if (attribute_count > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
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
  const char16_t* const* table = store_attributes(attributes, attribute_count * 2);

  XmlNode* node = link_new_node(XmlNodeKind::element);
  node->name = stored_name;
  node->attributes = table;
  node->attribute_count = static_cast<std::int32_t>(attribute_count);
  node->sibling_index = seen.count;
  if (document_.main_node == nullptr) document_.main_node = node;
  if (positions_ != nullptr) positions_->record(node, attribute_count);
  push(node);
}

void TreeBuilder::end_element() { close(); }

void TreeBuilder::character_data(std::u16string_view chars) {
  open_[depth_ - 1].text.append_lines(chars, document_.line_ending);
}

void TreeBuilder::verbatim(std::u16string_view chars) { open_[depth_ - 1].text.append(chars); }

void TreeBuilder::comment(std::u16string_view data) {
  open(XmlNodeKind::comment);
  character_data(data);
  close();
}

void TreeBuilder::instruction(std::u16string_view target, std::u16string_view data) {
  open(XmlNodeKind::instruction, target);
  character_data(data);
  close();
}

void TreeBuilder::start_cdata() { open(XmlNodeKind::cdata); }

void TreeBuilder::end_cdata() { close(); }

namespace {

// Identifiers are quoted with apostrophes when they hold a double quotation mark.
void append_quoted(std::u16string& out, std::u16string_view identifier) {
  char16_t quote = identifier.find(u'"') == std::u16string_view::npos ? u'"' : u'\'';
  out += u' ';
  out += quote;
  out += identifier;
  out += quote;
}

std::u16string compose_doctype(std::u16string_view name, std::u16string_view system_id,
                               std::u16string_view public_id, bool has_internal_subset) {
  std::u16string text = u"<!DOCTYPE ";
  text += name;
  if (!system_id.empty()) text += public_id.empty() ? u" SYSTEM" : u" PUBLIC";
  if (!public_id.empty()) append_quoted(text, public_id);
  if (!system_id.empty()) append_quoted(text, system_id);
  text += has_internal_subset ? u" [" : u">";
  return text;
}

}  // namespace

void TreeBuilder::start_doctype(std::u16string_view name, std::u16string_view system_id,
                                std::u16string_view public_id, bool has_internal_subset) {
  open(XmlNodeKind::doctype);
  verbatim(compose_doctype(name, system_id, public_id, has_internal_subset));
  if (!has_internal_subset) close();
}

void TreeBuilder::end_doctype() {
  if (open_[depth_ - 1].node->kind != XmlNodeKind::doctype) return;
  verbatim(u"]>");
  close();
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
