#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ambrel {

// The shapes of the values filed under one kind of object; null has none.
enum MapValueShape : std::uint8_t {
  kNoShape = 0,
  kObjectShape = 1,
  kScalarShape = 2,
  kArrayShape = 4,
};

// What the reading has seen of one kind of object, to tell a record from a map.
struct MapEvidence {
  std::int32_t instances = 0;
  std::int32_t distinct_keys = 0;
  std::int32_t data_keys = 0;                // distinct keys that look like data
  std::int32_t most_instances_of_a_key = 0;  // the key found in the most instances
  std::uint8_t shapes = kNoShape;

  bool one_shape() const { return (shapes & (shapes - 1)) == 0; }
};

// Thresholds of the rule; the manual page states them.
inline constexpr std::int32_t kDataKeysEnough = 2;
inline constexpr std::int32_t kVaryingKeysEnough = 8;
inline constexpr std::int32_t kManyKeys = 64;
// Objects under more keys than this, read whole before another key comes, that share their
// fields (each field in two of them on average) are one kind's instances: a map's values
// (the filer checks it, as it has them).
inline constexpr std::size_t kAlikeValuesEnough = 4;

// Whether a key reads as data rather than a field name: empty, starting with a digit (an
// integer, a date, a version, most ids), a long run of hexadecimal digits with a digit among
// them (ids, UUIDs), a digit after "-" (regions, dated names), or holding a character no
// field name carries (space, ".", "/", ":", "@", "+", ...: file names, paths, URLs, e-mail
// addresses, versions, times).
bool key_looks_like_data(std::u16string_view key);

// Whether the kind is a map by what has been read. Only values of one shape make a map; then any
// of: at least kDataKeysEnough keys of which three quarters look like data; at least
// kVaryingKeysEnough keys over two instances or more, none of them in more than half the instances;
// at least kManyKeys keys.
bool evidence_shows_map(const MapEvidence& evidence);

}  // namespace ambrel
