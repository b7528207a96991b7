#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "xml/name_cache.h"
#include "xml/sibling_names.h"
#include "xml/text_buffer.h"
#include "xml/xml_document.h"

namespace ambrel {

// Builds a document's tree from parser events: opens and closes nodes, links them in
// document order and accumulates their texts. Open nodes are kept on an explicit stack,
// so nesting depth is bounded by memory, not by the call stack.
// Allocation failure throws std::bad_alloc; the tree stays consistent.
class TreeBuilder {
 public:
  // Starts at the document's root node.
  explicit TreeBuilder(XmlDocument& document);

  // Opens an element named `name` whose attribute strings are `attributes`
  // (name, value, ... `attribute_strings` in all).
  void open_element(std::u16string_view name, const char16_t* const* attributes,
                    std::size_t attribute_strings);
  // Opens a node of another kind; `name` is stored only for instructions.
  void open(XmlNodeKind kind, std::u16string_view name = {});
  // Closes the innermost open node (never the root).
  void close();

  // Character data: each LF is written in the document's line-ending style.
  void append_text(std::u16string_view chars);
  // Markup passed through verbatim.
  void append_verbatim(std::u16string_view chars);

  XmlNodeKind current_kind() const;

  // Stores the texts of the nodes still open (the root, and after a failed parse the
  // elements whose end was never reached).
  void finish();

 private:
  struct OpenNode {
    XmlNode* node = nullptr;
    XmlNode* last_child = nullptr;
    TextBuffer text;
    SiblingNames element_names;
    std::array<std::int32_t, 6> kind_counts{};  // siblings so far by kind (elements aside)
  };

  void make_room();
  XmlNode* link_new_node(XmlNodeKind kind);
  void push(XmlNode* node);
  const char16_t* const* store_attributes(const char16_t* const* attributes, std::size_t count);

  XmlDocument& document_;
  NameCache names_;
  std::vector<OpenNode> open_;
  // Entries past depth_ are kept for their buffers.
  std::size_t depth_ = 0;
};

}  // namespace ambrel
