#include "compiled_regex.h"

#include <gtest/gtest.h>

#include <string>

namespace ambrel {
namespace {

std::u16string strip(std::u16string_view subject) {
  CompiledRegex index_pattern(u"\\[.*?\\]");
  return index_pattern.replace(subject, u"");
}

TEST(CompiledRegex, IndexPatternRemovesEachIndexSeparately) {
  EXPECT_EQ(strip(u"/a[2]/b[10]/c"), u"/a/b/c");
  EXPECT_EQ(CompiledRegex(u"\\[.*?\\]").replace(u"/r/a[2]/x[3]", u"[]"), u"/r/a[]/x[]");
  EXPECT_EQ(strip(u"/a/b"), u"/a/b");
  EXPECT_EQ(strip(u"/a[2"), u"/a[2");
  EXPECT_EQ(strip(u""), u"");
  EXPECT_EQ(strip(u"[1]"), u"");
}

TEST(CompiledRegex, NonAsciiAndSurrogatePairsKeepTheirPlace) {
  EXPECT_EQ(strip(u"/\u00e4[3]"), u"/\u00e4");
  EXPECT_EQ(strip(u"/\U0001F600[2]/\u4e2d[7]/z"), u"/\U0001F600/\u4e2d/z");
  // "." takes a surrogate pair as one character, as on UTF-8 text.
  EXPECT_EQ(CompiledRegex(u"<.>").replace(u"<\U0001F600>", u"#"), u"#");
}

TEST(CompiledRegex, LoneSurrogatesAreMatchedAsReplacementCharacters) {
  std::u16string subject = u"/a[";
  subject += static_cast<char16_t>(0xD800);
  subject += u"]/b";
  EXPECT_EQ(strip(subject), u"/a/b");
  std::u16string lone_end = u"x";
  lone_end += static_cast<char16_t>(0xDC00);
  EXPECT_EQ(strip(lone_end), u"x\uFFFD");
}

TEST(CompiledRegex, ReplacementIsLiteralAndEmptyMatchesMoveOn) {
  EXPECT_EQ(CompiledRegex(u"(b)").replace(u"abc", u"$1\\1"), u"a$1\\1c");
  EXPECT_EQ(CompiledRegex(u"x*").replace(u"axb\U0001F600", u"-"), u"-a--b-\U0001F600-");
}

TEST(CompiledRegex, FailuresGiveTheEmptyText) {
  CompiledRegex broken(u"(");
  EXPECT_FALSE(broken.compiled());
  EXPECT_EQ(broken.replace(u"(a)", u""), u"");
  EXPECT_FALSE(CompiledRegex(std::u16string_view()).compiled());
  CompiledRegex index_pattern(u"\\[.*?\\]");
  EXPECT_TRUE(index_pattern.compiled());
  EXPECT_EQ(index_pattern.replace(std::u16string_view(), u""), u"");
}

}  // namespace
}  // namespace ambrel
