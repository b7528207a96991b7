#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace ambrel {

// Searches and counts of code units over long texts, several units at a time: the reader's
// passes over every piece then cost little beside the reading itself.

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

// What a piece holds that its position and its repair depend on, counted in one pass.
struct UnitCensus {
  std::size_t line_feeds = 0;
  std::size_t carriage_returns = 0;
  std::size_t low_surrogates = 0;  // second halves of pairs, or lone
  std::size_t surrogates = 0;      // of either half
};

namespace unit_scan_detail {

// Eight units at once, in the vector registers every target of ours has.
using Units8 = std::int16_t __attribute__((vector_size(16)));

// The lanes of `counts` summed; each holds a count negated.
inline std::size_t negated_lanes_summed(Units8 counts) {
  std::size_t sum = 0;
  for (int lane = 0; lane < 8; ++lane) sum += static_cast<std::size_t>(-counts[lane]);
  return sum;
}

}  // namespace unit_scan_detail

inline UnitCensus take_census(std::u16string_view text) {
  using unit_scan_detail::negated_lanes_summed;
  using unit_scan_detail::Units8;
  constexpr std::int16_t kHalfMask = static_cast<std::int16_t>(0xFC00);
  constexpr std::int16_t kLowHalf = static_cast<std::int16_t>(0xDC00);
  constexpr std::int16_t kSurrogateMask = static_cast<std::int16_t>(0xF800);
  constexpr std::int16_t kSurrogate = static_cast<std::int16_t>(0xD800);
  constexpr std::int16_t kLineFeed = 0x000A;
  constexpr std::int16_t kCarriageReturn = 0x000D;
  constexpr std::size_t kStepsPerSum = 0x7FFF;  // a lane counts down to -32767 at most
  UnitCensus census;
  std::size_t at = 0;
  while (at + 8 <= text.size()) {
    Units8 line_feeds{}, carriage_returns{}, low{}, any{};
    for (std::size_t step = 0; step < kStepsPerSum && at + 8 <= text.size(); ++step, at += 8) {
      Units8 units;
      std::memcpy(&units, text.data() + at, sizeof units);
      // A comparison gives -1 in each lane that holds.
      line_feeds += units == kLineFeed;
      carriage_returns += units == kCarriageReturn;
      low += (units & kHalfMask) == kLowHalf;
      any += (units & kSurrogateMask) == kSurrogate;
    }
    census.line_feeds += negated_lanes_summed(line_feeds);
    census.carriage_returns += negated_lanes_summed(carriage_returns);
    census.low_surrogates += negated_lanes_summed(low);
    census.surrogates += negated_lanes_summed(any);
  }
  for (; at < text.size(); ++at) {
    char16_t unit = text[at];
    census.line_feeds += unit == u'\n' ? 1 : 0;
    census.carriage_returns += unit == u'\r' ? 1 : 0;
    census.low_surrogates += (unit & 0xFC00u) == 0xDC00u ? 1 : 0;
    census.surrogates += (unit & 0xF800u) == 0xD800u ? 1 : 0;
  }
  return census;
}

}  // namespace ambrel
