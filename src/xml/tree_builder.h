#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "xml/name_cache.h"
#include "xml/position_recorder.h"
#include "xml/sibling_names.h"
#include "xml/text_buffer.h"
#include "xml/xml_document.h"
#include "xml/xml_event_parser.h"

namespace ambrel {

// Builds a document's tree from the parser's events: opens and closes nodes, links them
// in document order and accumulates their texts. Open nodes are kept on an explicit
// stack, so nesting depth is bounded by memory, not by the call stack.
// Allocation failure throws std::bad_alloc; the tree stays consistent.
class TreeBuilder final : public XmlEventHandler {
 public:
  // Starts at the document's root node.
  explicit TreeBuilder(XmlDocument& document);

  void start_element(std::u16string_view name, const char16_t* const* attributes,
                     std::size_t attribute_count) override;
  void end_element() override;
  // Each LF is written in the document's line-ending style.
  void character_data(std::u16string_view chars) override;
  void verbatim(std::u16string_view chars) override;
  void comment(std::u16string_view data) override;
  void instruction(std::u16string_view target, std::u16string_view data) override;
  void start_cdata() override;
  void end_cdata() override;
  // The declaration is kept as written up to its internal subset, which stays open (and
  // gathers the subset's markup) until end_doctype.
  void start_doctype(std::u16string_view name, std::u16string_view system_id,
                     std::u16string_view public_id, bool has_internal_subset) override;
  void end_doctype() override;

  // From now on every element's place is noted through `recorder` (null: no longer).
  void record_positions(XmlPositionRecorder* recorder) { positions_ = recorder; }

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

  // Opens a node of a kind other than element; `name` is stored only for instructions.
  void open(XmlNodeKind kind, std::u16string_view name = {});
  // Closes the innermost open node (never the root).
  void close();
  void make_room();
  XmlNode* link_new_node(XmlNodeKind kind);
  void push(XmlNode* node);
  const char16_t* const* store_attributes(const char16_t* const* attributes, std::size_t count);

  XmlDocument& document_;
  NameCache names_;
  XmlPositionRecorder* positions_ = nullptr;
  std::vector<OpenNode> open_;
  // Entries past depth_ are kept for their buffers.
  std::size_t depth_ = 0;
};

}  // namespace ambrel
