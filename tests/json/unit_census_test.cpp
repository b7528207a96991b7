// The scans that read several units at once (the one-pass census of a piece, the end of a
// string's plain run), against a unit-by-unit reading, wherever the units stand relative to
// the blocks.
#include <gtest/gtest.h>

#include <string>

#include "json/unit_scan.h"

namespace ambrel {
namespace {

UnitCensus counted_one_by_one(std::u16string_view text) {
  UnitCensus census;
  for (char16_t unit : text) {
    census.line_feeds += unit == u'\n' ? 1 : 0;
    census.carriage_returns += unit == u'\r' ? 1 : 0;
    census.low_surrogates += unit >= 0xDC00 && unit <= 0xDFFF ? 1 : 0;
    census.surrogates += unit >= 0xD800 && unit <= 0xDFFF ? 1 : 0;
  }
  return census;
}

void expect_census(std::u16string_view text) {
  UnitCensus expected = counted_one_by_one(text);
  UnitCensus taken = take_census(text);
  EXPECT_EQ(taken.line_feeds, expected.line_feeds);
  EXPECT_EQ(taken.carriage_returns, expected.carriage_returns);
  EXPECT_EQ(taken.low_surrogates, expected.low_surrogates);
  EXPECT_EQ(taken.surrogates, expected.surrogates);
}

TEST(UnitCensusTest, CountsEachKindAtEveryPlaceAndLength) {
  // Near misses too: units one off the ones counted, and the edges of the surrogate ranges.
  const std::u16string kinds = u"\n\r\xD800\xDBFF\xDC00\xDFFF\x0B\x0C\xD7FF\xE000\x0A0A\x0D0D";
  for (char16_t kind : kinds) {
    for (std::size_t length = 0; length <= 40; ++length) {
      for (std::size_t at = 0; at < length; ++at) {
        std::u16string text(length, u'x');
        text[at] = kind;
        expect_census(text);
      }
    }
  }
}

TEST(UnitCensusTest, CountsPastWhatOneLaneHolds) {
  // More of one unit than a 16-bit lane counts before it is summed.
  std::u16string text(8 * 0x7FFF * 2 + 13, u'\n');
  for (std::size_t i = 0; i < text.size(); i += 3) text[i] = u'\xDC01';
  expect_census(text);
}

TEST(UnitCensusTest, CountsLineFeedsOnceWhereACarriageReturnOrSurrogateComesLate) {
  // Line feeds before, in a block of their own, and the rare unit after, in the last one.
  for (char16_t late : {u'\r', u'\xDC01', u'\xD801'}) {
    std::u16string text(8 * 0x7FFF + 24, u'\n');
    text[text.size() - 3] = late;
    expect_census(text);
    text.back() = late;  // past the last whole block
    expect_census(text);
  }
}

TEST(StringStopTest, StopsAtTheFirstQuoteBackslashOrControlUnitAndNothingElse) {
  // Near misses too: the units next to those that stop, and units past U+7FFF, which a
  // signed comparison would take for control units.
  const char16_t stops[] = {u'"', u'\\', 0x00, 0x01, 0x1F};
  const char16_t passes[] = {u'!', u'#', u'[', u']', 0x20, 0x7F, 0x8000, 0xD800, 0xDC00, 0xFFFF};
  for (std::size_t length = 0; length <= 40; ++length) {
    std::u16string text(length, u'x');
    const char16_t* begin = text.data();
    EXPECT_EQ(find_string_stop(begin, begin + length), begin + length);
    for (std::size_t at = 0; at < length; ++at) {
      for (char16_t pass : passes) {
        text[at] = pass;
        EXPECT_EQ(find_string_stop(begin, begin + length), begin + length) << at;
      }
      for (char16_t stop : stops) {
        text[at] = stop;
        EXPECT_EQ(find_string_stop(begin, begin + length), begin + at) << at;
        if (at + 1 < length) {  // the first of two
          text[at + 1] = u'"';
          EXPECT_EQ(find_string_stop(begin, begin + length), begin + at) << at;
          text[at + 1] = u'x';
        }
      }
      text[at] = u'x';
    }
  }
}

}  // namespace
}  // namespace ambrel
