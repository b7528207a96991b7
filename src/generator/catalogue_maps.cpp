// CatalogueFiler: telling maps from records while filing, and merging a map's keys into the
// one kind of its values.
#include <string_view>
#include <unordered_set>

#include "generator/catalogue_filer.h"

namespace ambrel {

namespace {

// Kinds are matched without list marks, which depend on what was read; "/" is the top, "".
std::u16string forced_form(std::u16string_view path) {
  std::u16string form;
  for (std::size_t at = 0; at < path.size(); ++at) {
    if (path.substr(at, 2) == u"[]") {
      ++at;
      continue;
    }
    form += path[at];
  }
  if (form.starts_with(u"/{}") || form == u"/") form.erase(0, 1);
  return form;
}

}  // namespace

void CatalogueFiler::take_forced_paths(const MapChoice& maps) {
  for (std::u16string_view path : maps.maps)
    forced_maps_.push_back({std::u16string(path), forced_form(path)});
  for (std::u16string_view path : maps.records)
    forced_records_.push_back({std::u16string(path), forced_form(path)});
  apply_forced_paths(ElementCatalogue::kTop);
}

std::vector<std::u16string> CatalogueFiler::unmatched_forced_paths() const {
  std::vector<std::u16string> unmatched;
  for (const auto* forced : {&forced_maps_, &forced_records_}) {
    for (const ForcedPath& path : *forced) {
      if (!path.matched) unmatched.push_back(path.written);
    }
  }
  return unmatched;
}

std::u16string CatalogueFiler::forced_path_of(int kind) const {
  std::vector<int> chain;
  for (int at = kind; at != ElementCatalogue::kTop; at = catalogue_.record(at).parent)
    chain.push_back(at);
  std::u16string path;
  for (auto at = chain.rbegin(); at != chain.rend(); ++at) {
    path += catalogue_.is_map_value(*at) ? u"{}" : u"/" + catalogue_.record(*at).key_step;
  }
  return path;
}

void CatalogueFiler::apply_forced_paths(int kind) {
  if (forced_maps_.empty() && forced_records_.empty()) return;
  std::u16string path = forced_path_of(kind);
  bool map = false;
  for (ForcedPath& forced : forced_maps_) {
    if (forced.path != path) continue;
    forced.matched = true;
    map = true;
  }
  for (ForcedPath& forced : forced_records_) {
    if (forced.path != path) continue;
    forced.matched = true;
    record(kind).record_forced = true;
  }
  if (map && !record(kind).record_forced && !catalogue_.is_map(kind)) make_map(kind);
}

bool CatalogueFiler::new_key_makes_map(int kind, std::u16string_view key) {
  MapEvidence& evidence = record(kind).evidence;
  ++evidence.distinct_keys;
  if (key_looks_like_data(key)) ++evidence.data_keys;
  // The top is a map only of objects, which declare its structure.
  if (kind == ElementCatalogue::kTop && evidence.shapes != kObjectShape) return false;
  return evidence_shows_map(evidence) || values_alike(kind);
}

// Whether the objects under the kind's keys so far (kAlikeValuesEnough at least), or in lists
// under them, share their fields as one kind's instances do: each field in two of them on
// average.
bool CatalogueFiler::values_alike(int kind) const {
  const ElementRecord& holder = catalogue_.record(kind);
  // The newest key's value is still being read.
  bool objects = holder.evidence.shapes == kObjectShape || holder.evidence.shapes == kArrayShape;
  if (!objects || holder.children.size() <= kAlikeValuesEnough) return false;
  std::unordered_set<std::u16string_view> fields;
  std::size_t total = 0;
  for (int value : holder.children) {
    for (int field : catalogue_.record(value).children) {
      fields.insert(catalogue_.record(field).key_step);
      ++total;
    }
  }
  return total > 0 && fields.size() * 2 <= total;
}

// From here on the kind's members are its value kind's instances, and what was filed under
// its keys so far is merged into that kind, so its keys no longer cost memory.
void CatalogueFiler::make_map(int kind) {
  int value = new_kind(kind, u"{}");
  ElementRecord& map = record(kind);
  std::vector<int> keys = std::move(map.children);
  map.children = {value};
  map.child_kinds = {};
  map.map_value = value;
  ElementRecord& value_record = record(value);
  value_record.spellings.emplace_back();
  guesses_[static_cast<std::size_t>(kind)].value_name =
      static_cast<std::uint32_t>(value_names_.size());
  value_names_.push_back({value, &value_record, 0, kNoInstance, 0, kNoName});
  for (int key : keys) merge_kind(value, key);
  apply_forced_paths(value);
}

// `from` lives on in `into`: its values, marks and last path, and its child kinds, matched
// by key (or all into the value kind when `into` is a map).
void CatalogueFiler::merge_kind(int into, int from) {
  ElementRecord& a = record(into);
  ElementRecord& b = record(from);
  b.merged_into = into;
  if (b.has_values) file_value(a, b.value_type);
  a.has_structure = a.has_structure || b.has_structure;
  a.listed = a.listed || b.listed;
  a.repeated_in_earlier_document = a.repeated_in_earlier_document || b.repeated_in_earlier_document;
  catalogue_.marked_steps_.replace(a.marked_parent, b.marked_parent);
  a.marked_index = b.marked_index;
  std::vector<int> children = std::move(b.children);
  b.children.clear();
  b.child_kinds = {};
  if (b.map_value >= 0) {
    if (a.map_value < 0 && !a.record_forced) make_map(into);
    children = {b.map_value};
  }
  for (int child : children) {
    if (a.map_value >= 0) {
      merge_kind(a.map_value, child);
    } else {
      adopt(into, child);
    }
  }
}

void CatalogueFiler::adopt(int parent_kind, int child) {
  auto& kinds = record(parent_kind).child_kinds;
  auto known = kinds.find(record(child).key_step);
  if (known != kinds.end()) {
    merge_kind(known->second, child);
    return;
  }
  record(child).parent = parent_kind;
  record(parent_kind).children.push_back(child);
  kinds.emplace(record(child).key_step, child);
}

}  // namespace ambrel
