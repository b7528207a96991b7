// What a clipboard reading hands over from another thread, taken in by an editor's paste.

#include <gtest/gtest.h>

#include <string>

#include "ui/backend/clipboard_arrivals.h"

namespace ambrel {
namespace {

TEST(ClipboardArrivalsTest, WakesOnceUntilTheEditorFindsNothingWaitingAndTellsTheEnd) {
  int wakes = 0;
  ClipboardArrivals arrivals([&] { ++wakes; });
  arrivals.add(u"<a>");
  arrivals.add(u"");  // nothing to take
  arrivals.add(u"</a>");
  EXPECT_EQ(wakes, 1);
  std::u16string text;
  bool ended = true;
  ASSERT_TRUE(arrivals.take(text, ended));
  EXPECT_EQ(text, u"<a>");
  ASSERT_TRUE(arrivals.take(text, ended));
  EXPECT_EQ(text, u"</a>");
  EXPECT_FALSE(arrivals.take(text, ended));
  EXPECT_FALSE(ended);
  arrivals.end();
  EXPECT_EQ(wakes, 2);
  EXPECT_FALSE(arrivals.take(text, ended));
  EXPECT_TRUE(ended);
}

}  // namespace
}  // namespace ambrel
