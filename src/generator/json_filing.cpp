#include "generator/json_filing.h"

namespace ambrel {

namespace {

// Null files no value.
std::optional<ValueType> value_type_of(JsonScalar kind) {
  switch (kind) {
    case JsonScalar::string:
      return ValueType::text;
    case JsonScalar::integer:
    case JsonScalar::boolean:
      return ValueType::integer;
    case JsonScalar::decimal:
      return ValueType::decimal;
    case JsonScalar::null:
      break;
  }
  return std::nullopt;
}

}  // namespace

JsonFiling::Place JsonFiling::place_of_value() {
  if (depth_ == 0) return {true, false, {}};
  Level& level = levels_[depth_ - 1];
  if (level.array) {
    level.empty = false;
    return {level.at_top, true, level.key};
  }
  return {false, false, member_key_};
}

// A value at the top after another starts another sample.
void JsonFiling::start_sample() {
  if (depth_ != 0 || !sample_ended_) return;
  filer_.start_document();
  sample_ended_ = false;
}

void JsonFiling::start_object() {
  start_sample();
  Place place = place_of_value();
  // An empty object files as null does: a structure without fields is of no use.
  if (place.at_top) {
    filer_.start_top_instance();
  } else {
    filer_.open_member(place.key, place.listed);
  }
  if (depth_ == levels_.size()) levels_.emplace_back();
  Level& level = levels_[depth_++];
  level.array = false;
  level.at_top = place.at_top;
  level.filed = !place.at_top;
  level.empty = false;
}

void JsonFiling::key(std::u16string_view name) { member_key_ = name; }

void JsonFiling::end_object() {
  if (levels_[--depth_].filed) filer_.close_element();
}

void JsonFiling::start_array() {
  start_sample();
  // Room first: the key may be the enclosing array's, which must stay in place. A level's
  // key is then assigned where it was before, without allocating again.
  if (depth_ == levels_.size()) levels_.emplace_back();
  Place place = place_of_value();
  Level& level = levels_[depth_++];
  level.array = true;
  level.at_top = place.at_top;
  level.filed = false;
  level.empty = true;
  level.key.assign(place.key);
}

// An empty array still makes its key a list.
void JsonFiling::end_array() {
  const Level& level = levels_[--depth_];
  if (level.empty && !level.at_top) filer_.add_leaf_member(level.key, true, std::nullopt);
}

void JsonFiling::scalar(JsonScalar kind) {
  start_sample();
  Place place = place_of_value();
  if (!place.at_top) filer_.add_leaf_member(place.key, place.listed, value_type_of(kind));
}

void JsonFiling::end_value() {
  filer_.finish();
  sample_ended_ = true;
}

}  // namespace ambrel
