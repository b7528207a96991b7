// Files whose bytes are not what their marks promise, loaded the way the tool loads its
// input and declared: broken UTF-8 never turns into lone surrogates, a lone surrogate
// in UTF-16 is one U+FFFD for the parser, and a file cut at any byte still declares in shape.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <random>
#include <string>

#include "whole_text_generator.h"
#include "declarations_check.h"
#include "hostile_text.h"
#include "services_fixture.h"
#include "support/object_registry.h"
#include "text_files.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

class TextLoadingHostileTest : public ServicesTest {
 protected:
  void TearDown() override {
    end_services();
    std::remove(path_.c_str());
  }

  // Writes the bytes and loads them: byte-order mark, then the whole file in its format.
  std::u16string load(const std::string& bytes) {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    int file = files_.open_for_reading(kAnyNumber, utf8_to_utf16(path_));
    EXPECT_NE(files_.is_file(file), 0);
    TextFormat format = files_.detect_text_format(file);
    std::u16string text = files_.read_text(file, static_cast<std::int32_t>(format) | WholeFile);
    files_.close(file);
    return text;
  }

  TextFiles files_;
  // One file per test: ctest runs the tests of this fixture side by side.
  std::string path_ = ::testing::TempDir() + "hostile_input_" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".xml";
};

std::string utf16_le_bytes(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

TEST_F(TextLoadingHostileTest, RandomBytesBehindEveryMarkLoadAndDeclareInShape) {
  std::mt19937 random(20261208);
  const std::string marks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF", "\xFF\xFE\x00\x00"};
  const std::string pieces[] = {"<r>",      "</r>",     "<a x='1'>",    "</a>",
                                "1,5",      "\xC3\xA4", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                "\xC0\xAF", "\xE2\x82", "\x80",         "\xFF",
                                "<b/>",     "\r\n"};
  for (int round = 0; round < 400; ++round) {
    const std::string& mark = marks[round % 5];
    std::string body;
    for (int n = std::uniform_int_distribution<int>(0, 24)(random); n > 0; --n) {
      body += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(random)];
    }
    std::u16string text = load(mark + body);
    // Only UTF-16 files copy their units as they are; every other decoder yields valid text.
    if (mark != "\xFF\xFE" && mark != "\xFE\xFF") {
      EXPECT_TRUE(is_valid_utf16(text)) << round;
    }
    EXPECT_TRUE(well_formed(generate_declarations(text))) << round;
  }
}

TEST_F(TextLoadingHostileTest, EncodedSurrogatesInUtf8BecomeReplacementMarks) {
  std::u16string text = load("\xEF\xBB\xBF<r>\xED\xA0\x80\xED\xB0\x80</r>");
  EXPECT_TRUE(is_valid_utf16(text));
  EXPECT_EQ(text.find(u'\xD800'), std::u16string::npos);
  EXPECT_EQ(generate_declarations(text), u"; /\r\nStructure XML_MAIN\r\n\tr.s\r\nEndStructure\r\n");
}

TEST_F(TextLoadingHostileTest, ALoneSurrogateInAUtf16FileTakesNoMarkupWithIt) {
  std::u16string text = load("\xFF\xFE" + utf16_le_bytes(u"<r><a>1</a><b>") +
                             std::string("\x00\xD8", 2) + utf16_le_bytes(u"</b><c/></r>"));
  ASSERT_FALSE(is_valid_utf16(text));
  EXPECT_EQ(generate_declarations(text),
            u"\r\n; /r\r\nStructure XML_R\r\n\ta.q\r\n\tb.s\r\n\tc.s\r\nEndStructure\r\n"
            u"\r\n; /\r\nStructure XML_MAIN\r\n\tr.XML_R\r\nEndStructure\r\n");
}

TEST_F(TextLoadingHostileTest, FilesCutAtEveryByteDeclareInShape) {
  const std::u16string document = u"<r a='\u00E4'><i>1</i><i>\U0001F600</i><j>2.5</j></r>";
  const std::string utf8 = "\xEF\xBB\xBF" + utf16_to_utf8(document);
  const std::string utf16 = "\xFF\xFE" + utf16_le_bytes(document);
  for (const std::string& bytes : {utf8, utf16}) {
    for (std::size_t length = 0; length <= bytes.size(); ++length) {
      std::u16string text = load(bytes.substr(0, length));
      EXPECT_TRUE(well_formed(generate_declarations(text))) << length;
    }
  }
  // A UTF-8 sequence cut short is dropped; a cut pair in UTF-16 stays a lone unit.
  EXPECT_TRUE(is_valid_utf16(load(utf8.substr(0, utf8.find("\xF0\x9F") + 3))));
}

}  // namespace
}  // namespace ambrel
