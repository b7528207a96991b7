// UTF-8 that comes in parts decodes as the whole does, wherever the parts were cut.

#include <gtest/gtest.h>

#include <string>

#include "support/unicode_text.h"
#include "support/text_decoding.h"

namespace ambrel {
namespace {

std::u16string decode_in_three(std::string_view bytes, std::size_t first, std::size_t second) {
  Utf8StreamDecoder decoder;
  std::u16string text;
  decoder.decode(bytes.substr(0, first), text);
  decoder.decode(bytes.substr(first, second - first), text);
  decoder.decode(bytes.substr(second), text);
  decoder.finish(text);
  return text;
}

TEST(Utf8StreamDecoderTest, AnySplitGivesTheTextOfTheWhole) {
  const std::string samples[] = {
      "plain ASCII that is longer than one block of sixteen bytes",
      "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xE6\x97\xA5\xE6\x9C\xAC",
      "cut \xE2\x82 then \xF0\x9F\x98 and \xC3",         // sequences cut short
      "bad \xFF\xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80",  // never valid
      std::string("nul \0 inside", 12),
  };
  for (const std::string& bytes : samples) {
    const std::u16string whole = utf8_to_utf16(bytes);
    for (std::size_t first = 0; first <= bytes.size(); ++first) {
      for (std::size_t second = first; second <= bytes.size(); ++second) {
        ASSERT_EQ(decode_in_three(bytes, first, second), whole)
            << bytes << " " << first << " " << second;
      }
    }
  }
}

}  // namespace
}  // namespace ambrel
