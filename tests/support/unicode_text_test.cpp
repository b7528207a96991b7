#include "support/unicode_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/text_case.h"

namespace ambrel {
namespace {

TEST(UnicodeText, Utf8RoundTripAndLoneSurrogates) {
  std::u16string text = u"a\u00e4\u20ac\U0001F600";
  EXPECT_EQ(utf16_to_utf8(text), "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(utf8_to_utf16(utf16_to_utf8(text)), text);
  std::u16string lone = u"x";
  lone += static_cast<char16_t>(0xDBFF);
  lone += u"y";
  lone += static_cast<char16_t>(0xDC00);
  EXPECT_FALSE(is_valid_utf16(lone));
  EXPECT_TRUE(is_valid_utf16(text));
  EXPECT_EQ(replace_lone_surrogates(lone), u"x\uFFFDy\uFFFD");
  EXPECT_EQ(utf16_to_utf8(lone), "x\xEF\xBF\xBDy\xEF\xBF\xBD");
}

TEST(UnicodeText, IllFormedUtf8GivesOneReplacementPerMaximalPart) {
  EXPECT_EQ(utf8_to_utf16("\xE2\x82" "A"), u"\uFFFD" u"A");
  EXPECT_EQ(utf8_to_utf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(utf8_to_utf16("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong
  EXPECT_EQ(utf8_to_utf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // above U+10FFFF
}

TEST(TextCase, MapsEveryUnitToOneUnit) {
  EXPECT_EQ(lower_case_text(u"Root/ITEM"), u"root/item");
  EXPECT_EQ(upper_case_text(u"p:a-b.c_\u00e4\u00df\u00ff"), u"P:A-B.C_\u00c4\u00df\u0178");
  EXPECT_EQ(lower_case_text(u"\u0130\u03a3\u0416"), u"i\u03c3\u0436");
  std::u16string pair = u"\U00010400";  // a Deseret capital: the pair stays as it is
  EXPECT_EQ(lower_case_text(pair), pair);
}

}  // namespace
}  // namespace ambrel
