#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "generator/lowered_path_numbers.h"
#include "generator/name_set.h"
#include "generator/value_types.h"
#include "xml/xml_node.h"

namespace ambrel {

// Transparent hashing so maps keyed by owned texts can be searched with views.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::u16string_view text) const {
    return std::hash<std::u16string_view>{}(text);
  }
};
using TextEqual = std::equal_to<>;

// One element kind: all elements at the same place in the document (the same chain of
// element names from the top, ignoring case), whatever their sibling positions. Its
// element key is its parent kind's key, "/" and `key_step`.
struct ElementRecord {
  int parent = -1;            // the parent kind; ElementCatalogue::kTop for top-level kinds
  std::u16string key_step;    // the lower-cased element name
  std::vector<int> children;  // child kinds, in the order they were first met
  int name_spelling = 0;      // index into `spellings`: the name of the last instance
  std::vector<std::u16string> spellings;  // every way the name was written
  std::int32_t sibling_count = 0;  // instances under the last parent instance that had any
  NameSet attribute_names;         // lower-cased, of every instance
  bool has_values = false;         // some instance had no child node
  ValueType value_type = ValueType::integer;  // widest class of those instances' texts

  // The last instance's marked path is its parent instance's marked path (a chain of
  // MarkedStep, -1 for the top), "/", its name and "[]" when it had a sibling index.
  int marked_parent = -1;
  bool marked_index = false;

  // Walk state.
  std::uint32_t last_parent_path = 0;  // lowered path number of the last instance's parent
  int last_marked_step = -1;           // the step this kind added last, reused when equal
  struct ChildName {
    int kind;
    int spelling;
  };
  std::unordered_map<std::u16string, ChildName, TextHash, TextEqual> child_names;  // as written
  std::unordered_map<std::u16string, int, TextHash, TextEqual> child_kinds;  // by key step
  std::unordered_set<std::u16string, TextHash, TextEqual> attribute_spellings;
  // Documents share one stored copy of equal names, so most lookups end at a pointer.
  static constexpr std::size_t kRecentNames = 8;
  const char16_t* recent_child_name[kRecentNames] = {};
  ChildName recent_child[kRecentNames] = {};
  const char16_t* recent_attribute[kRecentNames] = {};
};

// One step of a marked path, shared by every instance whose path prefix is the same.
struct MarkedStep {
  int parent;  // -1 for the top
  int kind;
  int spelling;
  bool index;
};

// The element kinds of one document, filed by catalogue_elements. Kind 0 (kTop) stands
// for the document itself: its children are the top-level kinds.
class ElementCatalogue {
 public:
  static constexpr int kTop = 0;

  ElementCatalogue();

  // Element kinds, not counting kTop.
  std::size_t size() const { return records_.size() - 1; }
  const ElementRecord& record(int kind) const { return records_[static_cast<std::size_t>(kind)]; }
  std::u16string_view element_name(int kind) const;
  // The last instance's node path with every sibling index written "[]".
  std::u16string marked_path(int kind) const;
  // The attribute names joined by "," in the name set's iteration order.
  std::u16string attribute_list(int kind) const;

 private:
  friend class CatalogueWalk;

  std::deque<ElementRecord> records_;  // a deque keeps records in place while kinds are added
  std::vector<MarkedStep> marked_steps_;
  LoweredPathNumbers lowered_paths_;
};

// Files `first_node` (a child of the document's root node, such as the main node), its
// following siblings and all their descendants into `catalogue`, in document order. Nodes
// other than elements are skipped with everything below them. A null node files nothing.
void catalogue_elements(const XmlNode* first_node, ElementCatalogue& catalogue);

}  // namespace ambrel
