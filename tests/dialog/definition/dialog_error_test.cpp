#include "dialog/definition/dialog_error.h"

#include <gtest/gtest.h>

#include <string>

namespace ambrel {
namespace {

// True when the text is whole UTF-8: no sequence is cut at its end.
bool ends_on_character_boundary(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (i + length > text.size()) return false;
    i += length;
  }
  return true;
}

TEST(DialogErrorTest, FillsMarkersWithUtf8Arguments) {
  EXPECT_EQ(format_dialog_error(kFlagNotSupportedError, {u"KV_X", u"bütton"}),
            "'#KV_X' flag is not supported for the following gadget: b\xC3\xBCtton");
  EXPECT_EQ(format_dialog_error(kConstantNotFoundError, {u"#A", u""}),
            "'#A' constant is not found or not declared as runtime.");
  EXPECT_EQ(format_dialog_error(kNotRuntimeProcedureError, {u"\U0001F600\xD800!"}),
            "'\xF0\x9F\x98\x80\xEF\xBF\xBD!' is not a runtime procedure.");
}

TEST(DialogErrorTest, OverLongTextIsCutAtACharacterBoundaryWithinTheBuffer) {
  for (std::u16string unit : {std::u16string(u"a"), std::u16string(u"\u00E9"),
                              std::u16string(u"\u20AC"), std::u16string(u"\U0001F600")}) {
    for (std::size_t count = 505; count < 515; ++count) {
      std::u16string value;
      for (std::size_t i = 0; i < count; ++i) value += unit;
      std::string text = format_dialog_error(kNotRuntimeProcedureError, {value});
      EXPECT_LE(text.size(), kDialogErrorBufferSize - 1);
      EXPECT_GT(text.size(), kDialogErrorBufferSize - 5);
      EXPECT_TRUE(ends_on_character_boundary(text));
      EXPECT_EQ(text.substr(0, 1), "'");
    }
  }
}

TEST(DialogErrorTest, TemplateTailIsCutWhenTheArgumentFillsTheBuffer) {
  std::string text = format_dialog_error(kNotRuntimeProcedureError, {std::u16string(505, u'x')});
  EXPECT_EQ(text.size(), 511u);
  EXPECT_EQ(text.substr(506), "' is ");
}

TEST(DialogErrorTest, OnlyTheFirstErrorIsKeptUntilCleared) {
  DialogError error;
  EXPECT_FALSE(error.has_error());
  EXPECT_EQ(error.text(), "");
  error.record(kNotRuntimeProcedureError, {u"a"});
  error.record(kNotRuntimeProcedureError, {u"b"});
  EXPECT_EQ(error.text(), "'a' is not a runtime procedure.");
  error.clear();
  EXPECT_FALSE(error.has_error());
  error.record(kNotRuntimeProcedureError, {u"b"});
  EXPECT_EQ(error.text(), "'b' is not a runtime procedure.");
}

}  // namespace
}  // namespace ambrel
