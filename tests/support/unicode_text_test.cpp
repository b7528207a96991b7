#include "support/unicode_text.h"

#include <gtest/gtest.h>

#include <random>
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
  EXPECT_EQ(utf8_to_utf16("\xE2\x82"
                          "A"),
            u"\uFFFD"
            u"A");
  EXPECT_EQ(utf8_to_utf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");            // encoded surrogate
  EXPECT_EQ(utf8_to_utf16("\xC0\xAF"), u"\uFFFD\uFFFD");                      // overlong
  EXPECT_EQ(utf8_to_utf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // above U+10FFFF
  // The same between runs of well-formed text longer than the fast path's buffer.
  std::string bytes(5000, 'a');
  std::u16string text(5000, u'a');
  bytes.append("\xE2\x82").append("A\xC3\xA9").append(5000, 'a').append("\xFF");
  text.append(u"\uFFFDA\u00E9").append(5000, u'a').append(u"\uFFFD");
  EXPECT_EQ(utf8_to_utf16(bytes), text);
}

TEST(TextCase, MapsEveryUnitToOneUnit) {
  EXPECT_EQ(lower_case_text(u"Root/ITEM"), u"root/item");
  EXPECT_EQ(upper_case_text(u"p:a-b.c_\u00e4\u00df\u00ff"), u"P:A-B.C_\u00c4\u00df\u0178");
  EXPECT_EQ(lower_case_text(u"\u0130\u03a3\u0416"), u"i\u03c3\u0436");
  std::u16string pair = u"\U00010400";  // a Deseret capital: the pair stays as it is
  EXPECT_EQ(lower_case_text(pair), pair);
}

// Long texts go through the block-wise encoder and its slices; the scalar decoder must
// bring them back, pairs cut by a slice boundary included.
TEST(UnicodeText, LongTextsRoundTripThroughUtf8) {
  std::mt19937 random(7);
  const std::u16string pieces[] = {u"plain ascii text, long enough for a block",
                                   u"\u00e4",
                                   u"\u20ac",
                                   u"\U0001F600",
                                   u"<",
                                   u"\u007f\u0080"};
  for (int round = 0; round < 20; ++round) {
    std::u16string text;
    while (text.size() < 20000) text += pieces[random() % std::size(pieces)];
    EXPECT_EQ(utf8_to_utf16(utf16_to_utf8(text)), text) << round;
    std::u16string lone = text;
    lone[random() % lone.size()] = static_cast<char16_t>(0xD800 + random() % 0x800);
    lone[4095] = static_cast<char16_t>(0xD83D);  // a high surrogate at the end of a slice
    EXPECT_EQ(utf8_to_utf16(utf16_to_utf8(lone)), replace_lone_surrogates(lone)) << round;
  }
}

}  // namespace
}  // namespace ambrel
