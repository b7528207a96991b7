#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace ambrel {

// Searches and counts of one code unit over long texts, four units to a 64-bit word: the
// reader's passes over every piece then cost little beside the reading itself.

namespace unit_scan_detail {

constexpr std::uint64_t kLanes = 0x0001000100010001ull;
constexpr std::uint64_t kHighBits = 0x8000800080008000ull;
constexpr std::uint64_t kLowBits = 0x7FFF7FFF7FFF7FFFull;

// The top bit of every lane of `word` that equals `unit`, exactly.
inline std::uint64_t equal_lanes(std::uint64_t word, char16_t unit) {
  std::uint64_t x = word ^ (kLanes * unit);
  std::uint64_t nonzero = (((x & kLowBits) + kLowBits) | x) & kHighBits;
  return ~nonzero & kHighBits;
}

inline std::uint64_t word_at(const char16_t* units) {
  std::uint64_t word;
  std::memcpy(&word, units, sizeof word);
  return word;
}

}  // namespace unit_scan_detail

// The first `unit` at or after `from`, or npos.
inline std::size_t find_unit(std::u16string_view text, char16_t unit, std::size_t from = 0) {
  std::size_t at = from;
  for (; at + 4 <= text.size(); at += 4) {
    if (unit_scan_detail::equal_lanes(unit_scan_detail::word_at(text.data() + at), unit) != 0)
      break;
  }
  return text.find(unit, at);
}

inline std::size_t count_unit(std::u16string_view text, char16_t unit) {
  std::size_t count = 0;
  std::size_t at = 0;
  for (; at + 4 <= text.size(); at += 4) {
    std::uint64_t ones =
        unit_scan_detail::equal_lanes(unit_scan_detail::word_at(text.data() + at), unit) >> 15;
    count += static_cast<std::size_t>((ones * unit_scan_detail::kLanes) >> 48);  // lanes summed
  }
  for (; at < text.size(); ++at) count += text[at] == unit ? 1 : 0;
  return count;
}

}  // namespace ambrel
