#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace ambrel {

// Searches and counts of code units over long texts, several units at a time: the reader's
// passes over every piece then cost little beside the reading itself.

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

constexpr std::int16_t kLineFeed = 0x000A;
constexpr std::int16_t kCarriageReturn = 0x000D;
constexpr std::int16_t kSurrogateMask = static_cast<std::int16_t>(0xF800);
constexpr std::int16_t kSurrogate = static_cast<std::int16_t>(0xD800);
constexpr std::int16_t kHalfMask = static_cast<std::int16_t>(0xFC00);
constexpr std::int16_t kLowHalf = static_cast<std::int16_t>(0xDC00);
constexpr std::size_t kStepsPerSum = 0x7FFF;  // a lane counts down to -32767 at most

// The lanes of `counts` summed; each holds a count negated.
inline std::size_t negated_lanes_summed(Units8 counts) {
  std::size_t sum = 0;
  for (int lane = 0; lane < 8; ++lane) sum += static_cast<std::size_t>(-counts[lane]);
  return sum;
}

inline Units8 units8_at(const char16_t* units) {
  Units8 vector;
  std::memcpy(&vector, units, sizeof vector);
  return vector;
}

// Whether any lane of a comparison's result holds.
inline bool any_lane(Units8 comparison) {
  std::uint64_t halves[2];
  std::memcpy(halves, &comparison, sizeof halves);
  return (halves[0] | halves[1]) != 0;
}

// The first lane that holds in a comparison's result that holds in some lane (lane 0 is the
// lowest-addressed unit: our targets are little-endian).
inline std::size_t first_lane(Units8 comparison) {
  std::uint64_t halves[2];
  std::memcpy(halves, &comparison, sizeof halves);
  constexpr int kLaneBits = 16;
  return halves[0] != 0 ? static_cast<std::size_t>(std::countr_zero(halves[0]) / kLaneBits)
                        : 4 + static_cast<std::size_t>(std::countr_zero(halves[1]) / kLaneBits);
}

}  // namespace unit_scan_detail

// The first unit from `from` on that ends the plain run of a string's units: a quote, a
// backslash or a control unit (below U+0020); `end` when there is none before it.
inline const char16_t* find_string_stop(const char16_t* from, const char16_t* end) {
  using unit_scan_detail::Units8;
  constexpr std::int16_t kQuote = u'"';
  constexpr std::int16_t kBackslash = u'\\';
  constexpr std::int16_t kFirstPrintable = 0x20;
  for (; end - from >= 8; from += 8) {
    Units8 units = unit_scan_detail::units8_at(from);
    // Above U+7FFF the lanes are negative: not control units.
    Units8 control = (units >= 0) & (units < kFirstPrintable);
    Units8 stops = (units == kQuote) | (units == kBackslash) | control;
    if (unit_scan_detail::any_lane(stops)) return from + unit_scan_detail::first_lane(stops);
  }
  while (from != end && *from != u'"' && *from != u'\\' && *from >= 0x20) ++from;
  return from;
}

namespace unit_scan_detail {

inline UnitCensus census_of_every_kind(std::u16string_view text) {
  UnitCensus census;
  std::size_t at = 0;
  while (at + 8 <= text.size()) {
    Units8 line_feeds{}, carriage_returns{}, low{}, any{};
    for (std::size_t step = 0; step < kStepsPerSum && at + 8 <= text.size(); ++step, at += 8) {
      Units8 units = unit_scan_detail::units8_at(text.data() + at);
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

}  // namespace unit_scan_detail

// Line feeds alone are counted first: carriage returns and surrogates are rare, and a text
// that holds any is counted again for every kind.
inline UnitCensus take_census(std::u16string_view text) {
  using namespace unit_scan_detail;
  UnitCensus census;
  const char16_t* at = text.data();
  const char16_t* const blocks_end = at + (text.size() & ~std::size_t{7});
  while (at != blocks_end) {
    const char16_t* const sum_end =
        at + std::min<std::size_t>(static_cast<std::size_t>(blocks_end - at), 8 * kStepsPerSum);
    Units8 line_feeds{}, rare{};
    for (; at != sum_end; at += 8) {
      Units8 units = units8_at(at);
      line_feeds += units == kLineFeed;
      rare += (units == kCarriageReturn) | ((units & kSurrogateMask) == kSurrogate);
    }
    if (any_lane(rare)) return census_of_every_kind(text);
    census.line_feeds += negated_lanes_summed(line_feeds);
  }
  for (; at != text.data() + text.size(); ++at) {
    if (*at == u'\r' || (*at & 0xF800u) == 0xD800u) return census_of_every_kind(text);
    census.line_feeds += *at == u'\n' ? 1 : 0;
  }
  return census;
}

}  // namespace ambrel
