// What a clipboard reading hands over from another thread, taken in by an editor's paste.

#include <gtest/gtest.h>

#include <string>

#include "support/unicode_text.h"
#include "ui/backend/clipboard_arrivals.h"

namespace ambrel {
namespace {

constexpr std::size_t kAnyLength = 1000;

// A paste goes in whole or not at all: nothing is handed out before the end.
TEST(ClipboardArrivalsTest, KeepsTheTextUntilItsEndAndWakesOnceThen) {
  int wakes = 0;
  ClipboardArrivals arrivals([&] { ++wakes; });
  arrivals.add(u"<a>");
  arrivals.add(u"");  // nothing to take
  arrivals.add(u"</a>");
  std::u16string_view text;
  EXPECT_FALSE(arrivals.take(kAnyLength, text));
  EXPECT_EQ(wakes, 0);
  arrivals.end();
  EXPECT_EQ(wakes, 1);
  ASSERT_TRUE(arrivals.take(kAnyLength, text));
  EXPECT_EQ(text, u"<a>");
  ASSERT_TRUE(arrivals.take(kAnyLength, text));
  EXPECT_EQ(text, u"</a>");
  EXPECT_FALSE(arrivals.take(kAnyLength, text));
  EXPECT_FALSE(arrivals.failed());
}

// The owner quit midway: what came is only a start and must not pass for the whole.
TEST(ClipboardArrivalsTest, ATextThatFailsHandsOutNothingAndWakesOnce) {
  int wakes = 0;
  ClipboardArrivals arrivals([&] { ++wakes; });
  arrivals.add(u"<a><b>1</b>");
  arrivals.fail();
  EXPECT_EQ(wakes, 1);
  EXPECT_TRUE(arrivals.failed());
  std::u16string_view text;
  EXPECT_FALSE(arrivals.take(kAnyLength, text));
  arrivals.add(u"</a>");  // a reading that goes on after its failure changes nothing
  arrivals.end();
  EXPECT_EQ(wakes, 1);
  EXPECT_FALSE(arrivals.take(kAnyLength, text));
}

// Whether the pieces are whole texts or cut shorter by the limit.
TEST(ClipboardArrivalsTest, NoPieceEndsInsideACrLfOrASurrogatePair) {
  for (std::size_t limit : {kAnyLength, std::size_t{2}}) {
    ClipboardArrivals arrivals([] {});
    arrivals.add(u"<a>\r");
    arrivals.add(u"\n<b>\xD83D");
    arrivals.add(u"\xDE00</b></a>\r");
    arrivals.end();
    std::u16string joined;
    std::u16string_view text;
    while (arrivals.take(limit, text)) {
      ASSERT_FALSE(text.empty());
      EXPECT_FALSE(!joined.empty() && joined.back() == u'\r' && text.front() == u'\n')
          << "a CR LF was cut between two pieces, limit " << limit;
      EXPECT_FALSE(!joined.empty() && is_high_surrogate(joined.back()))
          << "a surrogate pair was cut between two pieces, limit " << limit;
      joined += text;
    }
    EXPECT_EQ(joined, u"<a>\r\n<b>\U0001F600</b></a>\r") << limit;
  }
}

}  // namespace
}  // namespace ambrel
