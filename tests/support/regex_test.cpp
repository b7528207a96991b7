#include "support/regex.h"

#include <gtest/gtest.h>

#include <string>

#include "services_fixture.h"
#include "support/object_registry.h"

namespace ambrel {
namespace {

class RegexTest : public ServicesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ServicesTest::SetUp());
    index_pattern_ = regex_create(kAnyNumber, u"\\[.*?\\]");
  }

  std::u16string strip(std::u16string_view subject) {
    return regex_replace(index_pattern_, subject, u"");
  }

  int index_pattern_ = 0;
};

TEST_F(RegexTest, IndexPatternRemovesEachIndexSeparately) {
  ASSERT_NE(index_pattern_, 0);
  EXPECT_EQ(strip(u"/a[2]/b[10]/c"), u"/a/b/c");
  EXPECT_EQ(regex_replace(index_pattern_, u"/r/a[2]/x[3]", u"[]"), u"/r/a[]/x[]");
  EXPECT_EQ(strip(u"/a/b"), u"/a/b");
  EXPECT_EQ(strip(u"/a[2"), u"/a[2");
  EXPECT_EQ(strip(u""), u"");
  EXPECT_EQ(strip(u"[1]"), u"");
}

TEST_F(RegexTest, NonAsciiAndSurrogatePairsKeepTheirPlace) {
  EXPECT_EQ(strip(u"/\u00e4[3]"), u"/\u00e4");
  EXPECT_EQ(strip(u"/\U0001F600[2]/\u4e2d[7]/z"), u"/\U0001F600/\u4e2d/z");
  // "." takes a surrogate pair as one character, as on UTF-8 text.
  int one_char = regex_create(kAnyNumber, u"<.>");
  EXPECT_EQ(regex_replace(one_char, u"<\U0001F600>", u"#"), u"#");
}

TEST_F(RegexTest, LoneSurrogatesAreMatchedAsReplacementCharacters) {
  std::u16string subject = u"/a[";
  subject += static_cast<char16_t>(0xD800);
  subject += u"]/b";
  EXPECT_EQ(strip(subject), u"/a/b");
  std::u16string lone_end = u"x";
  lone_end += static_cast<char16_t>(0xDC00);
  EXPECT_EQ(strip(lone_end), u"x\uFFFD");
}

TEST_F(RegexTest, ReplacementIsLiteralAndEmptyMatchesMoveOn) {
  int groups = regex_create(kAnyNumber, u"(b)");
  EXPECT_EQ(regex_replace(groups, u"abc", u"$1\\1"), u"a$1\\1c");
  int empty = regex_create(kAnyNumber, u"x*");
  EXPECT_EQ(regex_replace(empty, u"axb\U0001F600", u"-"), u"-a--b-\U0001F600-");
}

TEST_F(RegexTest, FailuresGiveZeroOrTheEmptyText) {
  EXPECT_EQ(regex_create(kAnyNumber, u"("), 0);
  EXPECT_EQ(regex_create(kAnyNumber, std::u16string_view()), 0);
  EXPECT_EQ(regex_replace(0, u"/a[2]", u""), u"");
  EXPECT_EQ(regex_replace(index_pattern_, std::u16string_view(), u""), u"");
  // An explicit number answers 1 and a failed re-creation frees what it held.
  EXPECT_EQ(regex_create(7, u"a"), 1);
  EXPECT_EQ(regex_replace(7, u"banana", u"o"), u"bonono");
  EXPECT_EQ(regex_create(7, u"["), 0);
  EXPECT_EQ(regex_replace(7, u"banana", u"o"), u"");
  end_services();
  EXPECT_EQ(regex_replace(index_pattern_, u"/a[2]", u""), u"");
  EXPECT_EQ(regex_create(kAnyNumber, u"a"), 0);
}

}  // namespace
}  // namespace ambrel
