#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "generator/map_evidence.h"
#include "generator/name_set.h"
#include "generator/path_steps.h"
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
  // Touched for every instance, so kept together at the front.
  std::int32_t sibling_count = 0;  // instances under the last parent instance that had any
  bool repeated_in_earlier_document = false;  // a list in a document filed before this one
  int name_spelling = 0;       // index into `spellings`: the name of the last instance
  bool has_values = false;     // some instance had no child node and held a value
  bool has_structure = false;  // some instance had child nodes (or was an object)
  bool listed = false;         // some instance stood in a list (a JSON array)
  ValueType value_type = ValueType::integer;  // widest class of those instances' texts
  // The last instance's marked path is its parent instance's marked path (a number of
  // ElementCatalogue::marked_steps, held by this record), "/", its name and "[]" when it
  // had a sibling index.
  bool marked_index = false;
  std::uint32_t marked_parent = PathSteps::kTop;
  // Filing state: the lowered path number of the last instance's parent (held).
  std::uint32_t last_parent_path = PathSteps::kTop;

  int parent = -1;            // the parent kind; ElementCatalogue::kTop for top-level kinds
  std::u16string key_step;    // the lower-cased element name
  std::vector<int> children;  // child kinds, in the order they were first met
  // A map (a JSON object whose keys are data) has one child, the kind of all its values; the
  // kinds filed under its keys before it was known to be a map are merged into that one.
  int map_value = -1;
  int merged_into = -1;                // a kind merged into another: it is no longer declared
  bool record_forced = false;          // never a map
  MapEvidence evidence;                // of this kind's instances, while it may still become a map
  std::int32_t instances_with_it = 0;  // parent instances that held this kind
  std::vector<std::u16string> spellings;  // every way the name was written
  NameSet attribute_names;                // lower-cased, of every instance
  // Filing state: the kinds of the children by their key step.
  std::unordered_map<std::u16string, int, TextHash, TextEqual> child_kinds;

  // Declared with the list mark: some instance stood in a list, or in some document the last
  // parent instance that had instances of the kind had more than one.
  bool is_list() const { return listed || repeated_in_earlier_document || sibling_count > 1; }
};

// How a format's kinds are named and matched: structure names are the prefix, "_" and the
// upper-cased name ("XML_ITEM"), the top structure's the prefix and "_MAIN"; names that differ
// only in case are one kind where case is folded.
struct CatalogueNaming {
  std::u16string_view prefix;
  bool fold_case;
};
inline constexpr CatalogueNaming kXmlNaming{u"XML", true};
inline constexpr CatalogueNaming kJsonNaming{u"JSON", false};

// The element kinds of one document or of several merged, filed by a CatalogueFiler. Kind 0 (kTop)
// stands for the document itself: its children are the top-level kinds. An element is any
// named part a reader reports: an XML element, or a JSON member's value.
class ElementCatalogue {
 public:
  static constexpr int kTop = 0;

  explicit ElementCatalogue(CatalogueNaming naming = kXmlNaming);

  const CatalogueNaming& naming() const { return naming_; }
  // A structure name: the prefix, "_" and `name`.
  std::u16string structure_name(std::u16string_view name) const;
  std::u16string top_structure_name() const { return structure_name(u"MAIN"); }

  // Element kinds, not counting kTop.
  std::size_t size() const { return records_.size() - 1; }
  const ElementRecord& record(int kind) const { return records_[static_cast<std::size_t>(kind)]; }
  // The name of a map's value kind is the map's.
  std::u16string_view element_name(int kind) const;
  bool is_map(int kind) const { return record(kind).map_value >= 0; }
  bool is_map_value(int kind) const;
  // The kind a merged kind lives on in.
  int live_kind(int kind) const;
  // The last instance's node path with every sibling index written "[]" and every map's
  // value written "{}" after its key.
  std::u16string marked_path(int kind) const;
  // The attribute names joined by "," in the name set's iteration order.
  std::u16string attribute_list(int kind) const;

  // A marked step's detail: the spelling of the name and whether it had a sibling index.
  static std::uint64_t marked_detail(int spelling, bool index) {
    return std::uint64_t{static_cast<std::uint32_t>(spelling)} << 1 | (index ? 1u : 0u);
  }

 private:
  friend class CatalogueFiler;

  ElementRecord& record(int kind) { return records_[static_cast<std::size_t>(kind)]; }

  CatalogueNaming naming_;
  std::deque<ElementRecord> records_;  // a deque keeps records in place while kinds are added
  PathSteps marked_steps_;             // detail: marked_detail
};

}  // namespace ambrel
