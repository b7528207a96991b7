#include "generator/map_evidence.h"

namespace ambrel {

namespace {

constexpr std::size_t kLongId = 8;

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool is_letter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool is_hex_digit(char16_t c) {
  return is_digit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
bool is_field_character(char16_t c) {
  return is_letter(c) || is_digit(c) || c == u'_' || c == u'-' || c == u'$';
}

bool is_long_hex_id(std::u16string_view key) {
  std::size_t hex_digits = 0;
  bool digit = false;
  for (char16_t c : key) {
    if (c == u'-') continue;
    if (!is_hex_digit(c)) return false;
    ++hex_digits;
    digit = digit || is_digit(c);
  }
  return digit && hex_digits >= kLongId;
}

}  // namespace

bool key_looks_like_data(std::u16string_view key) {
  if (key.empty() || is_digit(key.front())) return true;
  for (std::size_t at = 0; at < key.size(); ++at) {
    if (!is_field_character(key[at])) return true;
    // Regions, dated names: "us-east-1", "api-2016-11-15".
    if (key[at] == u'-' && at + 1 < key.size() && is_digit(key[at + 1])) return true;
  }
  return is_long_hex_id(key);
}

bool evidence_shows_map(const MapEvidence& evidence) {
  if (!evidence.one_shape()) return false;
  if (evidence.data_keys >= kDataKeysEnough && evidence.data_keys * 4 >= evidence.distinct_keys * 3)
    return true;
  if (evidence.distinct_keys >= kVaryingKeysEnough && evidence.instances >= 2 &&
      evidence.most_instances_of_a_key * 2 <= evidence.instances)
    return true;
  return evidence.distinct_keys >= kManyKeys;
}

}  // namespace ambrel
