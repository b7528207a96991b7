#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "generator/catalogue.h"
#include "generator/map_choice.h"
#include "generator/map_evidence.h"
#include "generator/owned_names.h"
#include "generator/path_steps.h"
#include "generator/value_types.h"

namespace ambrel {

// Files elements into a catalogue as they are read, in document order: it keeps only the
// open elements, with what their children inherit, and never the document. Every reader
// files through it, whatever its format: an XML element is an element with attributes, a
// text and other child nodes; a JSON member's value is an element named by its key, with a
// typed value or members of its own. Each event
// costs constant time on average and, once the document's names are known, allocates
// nothing. Allocation failure throws std::bad_alloc; the catalogue is then not to be used.
class CatalogueFiler {
 public:
  // `maps` applies to members only (JSON): elements are always records.
  explicit CatalogueFiler(ElementCatalogue& catalogue,
                          const MapChoice& maps = MapChoice{false, {}, {}});

  // An element starts; `attributes` holds `attribute_count` pairs (name, value).
  void open_element(std::u16string_view name, const char16_t* const* attributes,
                    std::size_t attribute_count);
  // Text of the innermost open element (character data, or markup kept as written).
  void add_text(std::u16string_view chars);
  // A child node other than an element (comment, CDATA section, processing instruction)
  // of the innermost open element.
  void add_child_node();
  // A member's value starts, as an element named `key` under the innermost open element.
  // `listed`: it stands in a list (an element of a JSON array), which marks the kind a list
  // and its path step "[]"; otherwise repeated names make no list. Such an element that gets
  // no child node files nothing but its kind.
  void open_member(std::u16string_view key, bool listed);
  // A member whose value has no members (a scalar, or an empty list), filed at once: its kind
  // and, when `value` holds one, a value of that type.
  void add_leaf_member(std::u16string_view key, bool listed, std::optional<ValueType> value);
  // Another top object starts (one of a top array's): an instance of its own, whose keys are
  // told from the previous one's when maps are detected.
  void start_top_instance();
  void close_element();
  // Files the elements still open, as a document cut off here holds them.
  void finish();
  // After finish(): what follows is another document filed into the same catalogue. Its top
  // element is its own parent instance, so nothing counts as repeated across documents, and
  // a kind stays a list once it was one in any document.
  void start_document();
  // The forced paths that no kind had.
  std::vector<std::u16string> unmatched_forced_paths() const;

 private:
  // What an element without child nodes files: its text classified, or nothing.
  enum class Value { text, none };

  struct Frame {
    int kind = ElementCatalogue::kTop;
    ElementRecord* record = nullptr;  // the kind's (the top kind's for the document)
    int spelling = 0;
    std::int32_t index = 1;    // 1 + preceding siblings with exactly the same name
    bool marked = false;       // its path step is written with "[]"
    std::uint64_t serial = 0;  // tells instances apart
    std::uint32_t lowered_path = PathSteps::kTop;  // valid once `inherited` is set
    std::uint32_t marked_step = PathSteps::kTop;   // likewise
    bool inherited = false;
    bool has_child_node = false;
    Value value = Value::text;
    ValueTypeScan text;
    std::uint32_t last_child = kNoName;  // the child name of the last element child
  };

  // A forced path in the form kinds are matched in, and whether a kind had it.
  struct ForcedPath {
    std::u16string written;
    std::u16string path;
    bool matched = false;
  };

  // One name as written under one parent kind.
  struct ChildName {
    int kind;
    ElementRecord* record;  // the kind's, which stays in place
    int spelling;
    std::uint64_t parent_serial;  // the parent instance `count` belongs to
    std::int32_t count;
    std::uint32_t next_guess;  // the child name that followed this one last time
  };

  // Documents repeat their shapes: the child that followed a child last time, and the
  // attributes an element of the kind had last time, are checked first, which costs a
  // comparison of the name instead of a lookup.
  struct KindGuesses {
    std::uint32_t first_child = kNoName;
    std::vector<std::uint32_t> attributes;  // attribute spellings by position
    std::uint32_t value_name = kNoName;     // a map's: its value kind's, in value_names_
  };
  static constexpr std::uint32_t kNoName = UINT32_MAX;
  static constexpr std::uint64_t kNoInstance = 0;

  ElementRecord& record(int kind) { return catalogue_.record(kind); }
  void start_top_frame();
  Frame& enter(bool counts_siblings);
  const ChildName& file_member(std::u16string_view key, bool listed, MapValueShape shape);
  ChildName& member_name(Frame& parent, std::u16string_view key, MapValueShape shape);
  bool new_key_makes_map(int kind, std::u16string_view key);
  bool values_alike(int kind) const;
  int new_kind(int parent_kind, std::u16string key_step);
  void make_map(int kind);
  void merge_kind(int into, int from);
  void adopt(int parent_kind, int child);
  void take_forced_paths(const MapChoice& maps);
  void apply_forced_paths(int kind);
  std::u16string forced_path_of(int kind) const;
  void push_frame(const ChildName& child, std::int32_t index, bool marked, Value value);
  void prepare_inheritance(std::size_t depth, bool counts_siblings);
  ChildName& child_name(Frame& parent, std::u16string_view name);
  std::uint32_t look_up_child_name(int parent_kind, std::u16string_view name);
  int kind_for(int parent_kind, std::u16string_view name);
  void add_attributes(int kind, const char16_t* const* attributes, std::size_t count);
  void file_text(const Frame& frame);
  static void file_value(ElementRecord& r, ValueType type);
  void pop();

  ElementCatalogue& catalogue_;
  std::vector<Frame> open_;  // [0] is the document; entries past depth_ are kept for reuse
  std::size_t depth_ = 1;
  std::uint64_t next_serial_;
  OwnedNames child_name_numbers_;  // owner: the parent kind
  std::vector<ChildName> child_names_;
  std::vector<KindGuesses> guesses_;  // by kind
  OwnedNames attribute_spellings_;    // owner: the kind
  PathSteps lowered_paths_;           // detail: the sibling index
  bool detect_maps_;
  std::vector<ForcedPath> forced_maps_;
  std::vector<ForcedPath> forced_records_;
  std::vector<ChildName> value_names_;  // of the maps' value kinds
};

}  // namespace ambrel
