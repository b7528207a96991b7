#include "generator/catalogue_filer.h"

#include <algorithm>

#include "support/text_case.h"

namespace ambrel {

namespace {

constexpr std::uint64_t kFirstDocumentSerial = 1;

std::u16string_view text_of(const char16_t* text) {
  return text == nullptr ? std::u16string_view(u"") : std::u16string_view(text);
}

}  // namespace

CatalogueFiler::CatalogueFiler(ElementCatalogue& catalogue, const MapChoice& maps)
    : catalogue_(catalogue), next_serial_(kFirstDocumentSerial), detect_maps_(maps.detect) {
  open_.emplace_back();
  start_top_frame();
  guesses_.emplace_back();
  take_forced_paths(maps);
}

void CatalogueFiler::open_element(std::u16string_view name, const char16_t* const* attributes,
                                  std::size_t attribute_count) {
  Frame& parent = enter(true);
  ChildName& child = child_name(parent, name);
  if (child.parent_serial == parent.serial) {
    ++child.count;
  } else {
    child.parent_serial = parent.serial;
    child.count = 1;
  }
  ElementRecord& r = *child.record;
  if (r.sibling_count > 0 && r.last_parent_path == parent.lowered_path) {
    ++r.sibling_count;
  } else {
    r.sibling_count = 1;
    lowered_paths_.replace(r.last_parent_path, parent.lowered_path);
  }
  r.name_spelling = child.spelling;
  catalogue_.marked_steps_.replace(r.marked_parent, parent.marked_step);
  r.marked_index = child.count > 1;
  add_attributes(child.kind, attributes, attribute_count);
  push_frame(child, child.count, child.count > 1, Value::text);
}

void CatalogueFiler::open_member(std::u16string_view key, bool listed) {
  const ChildName& child = file_member(key, listed, listed ? kArrayShape : kObjectShape);
  ++child.record->evidence.instances;
  push_frame(child, 1, listed, Value::none);
}

// A leaf has no frame of its own: nothing inherits from it.
void CatalogueFiler::add_leaf_member(std::u16string_view key, bool listed,
                                     std::optional<ValueType> value) {
  MapValueShape shape = listed ? kArrayShape : value ? kScalarShape : kNoShape;
  const ChildName& child = file_member(key, listed, shape);
  if (value) file_value(*child.record, *value);
}

void CatalogueFiler::start_top_instance() {
  open_[0].serial = next_serial_++;
  ++record(ElementCatalogue::kTop).evidence.instances;
}

// What opening a member files, but its frame.
const CatalogueFiler::ChildName& CatalogueFiler::file_member(std::u16string_view key, bool listed,
                                                             MapValueShape shape) {
  Frame& parent = enter(false);
  ChildName& child = member_name(parent, key, shape);
  ElementRecord& r = *child.record;
  r.listed = r.listed || listed;
  r.name_spelling = child.spelling;
  catalogue_.marked_steps_.replace(r.marked_parent, parent.marked_step);
  r.marked_index = listed;
  return child;
}

// A map's members all name its value kind; other objects' are looked up by key, and while
// maps are detected, each member counts for the evidence and each new key weighs it. Here,
// beside file_member, so that it is inlined there: it runs for every member.
CatalogueFiler::ChildName& CatalogueFiler::member_name(Frame& parent, std::u16string_view key,
                                                       MapValueShape shape) {
  ElementRecord& holder = *parent.record;
  if (holder.map_value < 0) {
    std::size_t known_keys = holder.children.size();
    ChildName& child = child_name(parent, key);
    if (!detect_maps_ || holder.record_forced) return child;
    MapEvidence& evidence = holder.evidence;
    evidence.shapes = static_cast<std::uint8_t>(evidence.shapes | shape);
    if (child.parent_serial != parent.serial) {  // the key's first time in this instance
      child.parent_serial = parent.serial;
      evidence.most_instances_of_a_key =
          std::max(evidence.most_instances_of_a_key, ++child.record->instances_with_it);
    }
    if (holder.children.size() == known_keys || !new_key_makes_map(parent.kind, key)) return child;
    make_map(parent.kind);
  }
  return value_names_[guesses_[static_cast<std::size_t>(parent.kind)].value_name];
}

// The innermost open element gets a child: it is the parent of what opens next.
CatalogueFiler::Frame& CatalogueFiler::enter(bool counts_siblings) {
  if (depth_ == open_.size()) open_.emplace_back();
  prepare_inheritance(depth_ - 1, counts_siblings);
  Frame& parent = open_[depth_ - 1];
  parent.has_child_node = true;
  return parent;
}

void CatalogueFiler::push_frame(const ChildName& child, std::int32_t index, bool marked,
                                Value value) {
  // Field by field: a whole Frame built aside and copied in stalls on every element.
  Frame& frame = open_[depth_++];
  frame.kind = child.kind;
  frame.record = child.record;
  frame.spelling = child.spelling;
  frame.index = index;
  frame.marked = marked;
  frame.serial = next_serial_++;
  frame.lowered_path = PathSteps::kTop;
  frame.marked_step = PathSteps::kTop;
  frame.inherited = false;
  frame.has_child_node = false;
  frame.value = value;
  frame.text = ValueTypeScan{};
  frame.last_child = kNoName;
}

void CatalogueFiler::add_text(std::u16string_view chars) {
  Frame& frame = open_[depth_ - 1];
  if (depth_ > 1 && !frame.has_child_node) frame.text.add(chars);
}

void CatalogueFiler::add_child_node() { open_[depth_ - 1].has_child_node = true; }

void CatalogueFiler::close_element() {
  if (depth_ <= 1) return;
  file_text(open_[depth_ - 1]);
  pop();
}

void CatalogueFiler::finish() {
  while (depth_ > 1) close_element();
}

void CatalogueFiler::start_document() {
  for (std::size_t kind = 1; kind <= catalogue_.size(); ++kind) {
    ElementRecord& r = record(static_cast<int>(kind));
    if (r.sibling_count > 1) r.repeated_in_earlier_document = true;
    r.sibling_count = 0;  // counting starts afresh under this document's instances
  }
  start_top_frame();
}

// The document's frame: a new serial makes it a parent instance of its own.
void CatalogueFiler::start_top_frame() {
  Frame& top = open_[0];
  top = Frame{};
  top.record = &record(ElementCatalogue::kTop);
  top.serial = next_serial_++;
  top.inherited = true;
}

// A frame learns its lowered path and marked step only when it gets an element child,
// so leaves and elements holding only text cost nothing here. The lowered path only tells
// parent instances apart for counting siblings, which members never do.
void CatalogueFiler::prepare_inheritance(std::size_t depth, bool counts_siblings) {
  Frame& frame = open_[depth];
  if (frame.inherited) return;
  const Frame& above = open_[depth - 1];
  if (counts_siblings) {
    frame.lowered_path =
        lowered_paths_.acquire(above.lowered_path, static_cast<std::uint32_t>(frame.kind),
                               static_cast<std::uint32_t>(frame.index));
  }
  frame.marked_step = catalogue_.marked_steps_.acquire(
      above.marked_step, static_cast<std::uint32_t>(frame.kind),
      ElementCatalogue::marked_detail(frame.spelling, frame.marked));
  frame.inherited = true;
}

CatalogueFiler::ChildName& CatalogueFiler::child_name(Frame& parent, std::u16string_view name) {
  std::uint32_t guess = parent.last_child == kNoName
                            ? guesses_[static_cast<std::size_t>(parent.kind)].first_child
                            : child_names_[parent.last_child].next_guess;
  bool guessed = guess != kNoName && child_name_numbers_.has_text(guess, name);
  if (!guessed && parent.last_child != kNoName &&
      child_name_numbers_.has_text(parent.last_child, name)) {
    return child_names_[parent.last_child];  // a repeat, as in a list: the guesses stay
  }
  std::uint32_t number = guess;
  if (!guessed) {
    number = look_up_child_name(parent.kind, name);
    if (parent.last_child == kNoName) {
      guesses_[static_cast<std::size_t>(parent.kind)].first_child = number;
    } else {
      child_names_[parent.last_child].next_guess = number;
    }
  }
  parent.last_child = number;
  return child_names_[number];
}

std::uint32_t CatalogueFiler::look_up_child_name(int parent_kind, std::u16string_view name) {
  OwnedNames::Found found =
      child_name_numbers_.find_or_add(static_cast<std::uint32_t>(parent_kind), name);
  if (found.added) {
    int kind = kind_for(parent_kind, name);
    ElementRecord& r = record(kind);
    r.spellings.emplace_back(name);
    child_names_.push_back(
        {kind, &r, static_cast<int>(r.spellings.size() - 1), kNoInstance, 0, kNoName});
  }
  return found.number;
}

int CatalogueFiler::kind_for(int parent_kind, std::u16string_view name) {
  std::u16string key_step =
      catalogue_.naming().fold_case ? lower_case_text(name) : std::u16string(name);
  auto& kinds = record(parent_kind).child_kinds;
  auto known = kinds.find(key_step);
  if (known != kinds.end()) return known->second;
  int kind = new_kind(parent_kind, key_step);
  record(parent_kind).children.push_back(kind);
  kinds.emplace(std::move(key_step), kind);
  apply_forced_paths(kind);
  return kind;
}

// A kind that is no one's child yet.
int CatalogueFiler::new_kind(int parent_kind, std::u16string key_step) {
  int kind = static_cast<int>(catalogue_.records_.size());
  guesses_.emplace_back();
  ElementRecord& r = catalogue_.records_.emplace_back();
  r.parent = parent_kind;
  r.key_step = std::move(key_step);
  return kind;
}

void CatalogueFiler::add_attributes(int kind, const char16_t* const* attributes,
                                    std::size_t count) {
  std::vector<std::uint32_t>& guesses = guesses_[static_cast<std::size_t>(kind)].attributes;
  if (guesses.size() < count) guesses.resize(count, kNoName);
  for (std::size_t i = 0; i < count; ++i) {
    std::u16string_view name = text_of(attributes[2 * i]);
    if (guesses[i] != kNoName && attribute_spellings_.has_text(guesses[i], name)) continue;
    OwnedNames::Found found =
        attribute_spellings_.find_or_add(static_cast<std::uint32_t>(kind), name);
    if (found.added) record(kind).attribute_names.add(lower_case_text(name));
    guesses[i] = found.number;
  }
}

// Only an element without child nodes contributes its text or value.
void CatalogueFiler::file_text(const Frame& frame) {
  ElementRecord& r = *frame.record;
  if (frame.has_child_node) {
    r.has_structure = true;
    return;
  }
  if (frame.value == Value::none) return;
  file_value(r, frame.text.type());
}

void CatalogueFiler::file_value(ElementRecord& r, ValueType type) {
  r.value_type = r.has_values ? merge_value_types(r.value_type, type) : type;
  r.has_values = true;
}

void CatalogueFiler::pop() {
  Frame& frame = open_[--depth_];
  if (!frame.inherited) return;
  lowered_paths_.release(frame.lowered_path);
  catalogue_.marked_steps_.release(frame.marked_step);
}

}  // namespace ambrel
