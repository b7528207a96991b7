// Decoding in pieces: however the bytes are split, the text is the same, and it is the
// text the loading rules give.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "support/text_decoding.h"
#include "support/unicode_text.h"

namespace ambrel {
namespace {

std::u16string decode_in_pieces(const std::string& bytes, std::size_t piece) {
  MarkedTextDecoder decoder;
  std::u16string text;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t at = 0; at < bytes.size() && !decoder.ended(); at += piece) {
    decoder.decode(data + at, std::min(piece, bytes.size() - at), text);
  }
  if (!decoder.ended()) decoder.finish(text);
  return text;
}

std::u16string decode_whole(const std::string& bytes) {
  return decode_in_pieces(bytes, bytes.size() + 1);
}

std::string repeated(const std::string& part, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += part;
  return out;
}

const std::vector<std::pair<std::string, std::u16string>>& examples() {
  static const std::vector<std::pair<std::string, std::u16string>> cases = {
      {"\xEF\xBB\xBF<a>\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80</a>", u"<a>\u00e4\u20ac\U0001F600</a>"},
      {"\xEF\xBB\xBF"
       "a\x80"
       "b\xE2\x41"
       "c\xC0\xAF"
       "d\xE2\x82",
       u"a?b\uFFFDAc\uFFFD?d"},
      {"\xE9t\xC3\xA9\xF0\x9F\x98"
       "A\x80\x9F\xE2\x82",
       u"\u00e9t\u00e9\u00f0\u0178\u02dc"
       "A\u20ac\u0178\u00e2\u201a"},
      {std::string("<a>x\0<b/></a>", 13), u"<a>x"},
      {std::string("\xFF\xFE<\0\x3D\xD8\x00\xDE\x00\xD8z\0\0\0y\0", 16), u"<\U0001F600\xD800z"},
      {std::string("\xFF\xFEx\0y", 5), u"x"},
      {std::string("\xFE\xFF\0<\xD8\x3D\xDE\x00\0>", 10), u"<\U0001F600>"},
      {std::string("\xFF\xFE\0\0<\0\0\0\x00\xF6\x01\0\0\xD8\0\0\0\0\x11\0\0\0\0\0z\0\0\0", 28),
       u"<\U0001F600\uFFFD\uFFFD"},
      {std::string("\0\0\xFE\xFF\0\0\0<\0\0\0\0\0\0\0>", 16), u"<"},
      {"\xFF", u"\u00ff"},
      {std::string("\xFF\xFE\0", 3), u""},
      {std::string("\xEF\xBB", 2), u"\u00ef\u00bb"},
      {std::string("\0\0\xFE", 3), u""},
      {repeated("abcdefghijklmnopqrstuvwxyz", 3) + "\xC3\xA4" + repeated("0123456789abcdef", 4) +
           std::string("\0tail", 5),
       u"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz\u00e4"
       u"0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef"},
  };
  return cases;
}

TEST(TextDecoding, EveryExampleGivesItsTextInPiecesOfAnySize) {
  for (const auto& [bytes, expected] : examples()) {
    for (std::size_t piece : {1u, 2u, 3u, 7u, 4096u}) {
      EXPECT_EQ(decode_in_pieces(bytes, piece), expected)
          << "piece " << piece << " of " << testing::PrintToString(bytes);
    }
  }
}

TEST(TextDecoding, RandomSplitsOfRandomTextGiveTheSameText) {
  std::mt19937 random(20261208);
  const std::string marks[] = {"",
                               "",
                               "\xEF\xBB\xBF",
                               "\xFF\xFE",
                               "\xFE\xFF",
                               std::string("\xFF\xFE\0\0", 4),
                               std::string("\0\0\xFE\xFF", 4)};
  const std::string fragments[] = {"<r>",
                                   "abcdefghijklmnopqrstuvwxyz0123456789",
                                   "\xC3\xA4",
                                   "\xE2\x82\xAC",
                                   "\xF0\x9F\x98\x80",
                                   "\xED\xA0\x80",
                                   "\xF4\x90\x80\x80",
                                   "\xC0\xAF",
                                   "\xE2\x82",
                                   "\x80",
                                   "\xFF",
                                   std::string("\0", 1),
                                   "\r\n",
                                   "\xE9",
                                   "\xF8\x88"};
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = marks[random() % std::size(marks)];
    for (int n = static_cast<int>(random() % 40); n > 0; --n)
      bytes += fragments[random() % std::size(fragments)];
    std::u16string whole = decode_whole(bytes);
    for (std::size_t piece : {1u, 2u, 3u, 7u, 16u, 4096u}) {
      ASSERT_EQ(decode_in_pieces(bytes, piece), whole) << "round " << round << ", piece " << piece;
    }
  }
}

// Valid UTF-8 takes the fast path in long pieces; the plain scalar decoder agrees with it.
TEST(TextDecoding, ValidUtf8DecodesAsTheScalarDecoderDoesInAnyPieces) {
  std::mt19937 random(99);
  const std::string fragments[] = {"0123456789abcdefghijklmnopqrstuvwxyz",
                                   "\xC3\xA4",
                                   "\xE2\x82\xAC",
                                   "\xF0\x9F\x98\x80",
                                   "\xEF\xBF\xBF",
                                   "\xF4\x8F\xBF\xBF",
                                   "\x7F",
                                   "x"};
  for (int round = 0; round < 50; ++round) {
    std::string bytes;
    while (bytes.size() < 10000) bytes += fragments[random() % std::size(fragments)];
    std::u16string expected = utf8_to_utf16(bytes);
    for (std::size_t piece : {1u, 5u, 17u, 4096u, 100000u}) {
      ASSERT_EQ(decode_in_pieces(bytes, piece), expected) << round << " " << piece;
      ASSERT_EQ(decode_in_pieces("\xEF\xBB\xBF" + bytes, piece), expected) << round << " " << piece;
    }
  }
}

TEST(TextDecoding, OneLineModeStopsAfterTheLineEndWithoutItsCarriageReturn) {
  const unsigned char bytes[] = "one\r\ntwo";
  TextDecoder decoder(TextFormat::Ascii, true);
  std::u16string line;
  EXPECT_EQ(decoder.decode(bytes, 4, line), 4u);
  EXPECT_FALSE(decoder.ended());
  EXPECT_EQ(decoder.decode(bytes + 4, 4, line), 1u);
  EXPECT_TRUE(decoder.ended());
  EXPECT_EQ(line, u"one");
}

}  // namespace
}  // namespace ambrel
