#include "dialog/definition/flag_expression.h"

#include <gtest/gtest.h>

#include <string>

#include "dialog/definition/flag_tables.h"
#include "dialog/definition/runtime_registry.h"
#include "services_fixture.h"
#include "test_element.h"

namespace ambrel {
namespace {

class FlagExpressionTest : public ServicesTest {
 protected:
  std::uint32_t parse(std::u16string expression, DialogKind kind,
                      std::u16string element = u"gadget") {
    TestElement flags(std::move(element), {{u"flags", std::move(expression)}});
    return parse_flag_expression(flags.view(), 0, kind, error);
  }

  DialogError error;
};

TEST_F(FlagExpressionTest, EmbeddedWindowAndSplitterFlags) {
  EXPECT_EQ(parse(u"#KV_Window_SizeGadget|#KV_Window_SystemMenu|#KV_Window_TitleBar|"
                  u"#KV_Window_MinimizeGadget|#KV_Window_MaximizeGadget|"
                  u"#KV_Window_ScreenCentered",
                  DialogKind::Window),
            0xCF0001u);
  EXPECT_EQ(parse(u"#KV_Splitter_Vertical|#KV_Splitter_SecondFixed", DialogKind::Splitter), 9u);
  EXPECT_FALSE(error.has_error());
}

TEST_F(FlagExpressionTest, BlanksAroundNamesAreSkipped) {
  EXPECT_EQ(parse(u" \t#KV_Button_Left | #kv_button_default \t", DialogKind::Button), 257u);
  EXPECT_FALSE(error.has_error());
}

TEST_F(FlagExpressionTest, PartWithoutHashEndsParsingSilently) {
  EXPECT_EQ(parse(u"#KV_Button_Left|KV_Button_Default", DialogKind::Button), 256u);
  EXPECT_EQ(parse(u"KV_Button_Left|#KV_Button_Default", DialogKind::Button), 0u);
  EXPECT_EQ(parse(u"", DialogKind::Button), 0u);
  EXPECT_FALSE(error.has_error());
}

TEST_F(FlagExpressionTest, NameLongerThan128EndsParsingKeepingEarlierFlags) {
  std::u16string long_name(129, u'A');
  EXPECT_EQ(parse(u"#KV_Button_Left|#" + long_name + u"|#KV_Button_Default", DialogKind::Button),
            256u);
  EXPECT_FALSE(error.has_error());
  // Exactly 128 characters is still a name, and an unknown one.
  parse(u"#" + std::u16string(128, u'A'), DialogKind::Button);
  EXPECT_TRUE(error.has_error());
}

TEST_F(FlagExpressionTest, FlagOfAnotherKindRecordsTheFlagError) {
  EXPECT_EQ(parse(u"#KV_Editor_ReadOnly|#KV_Text_Right", DialogKind::Editor, u"Editor"), 2048u);
  EXPECT_EQ(error.text(),
            "'#KV_Text_Right' flag is not supported for the following gadget: Editor");
}

TEST_F(FlagExpressionTest, FirstErrorIsKeptAndLaterFlagsStillCount) {
  EXPECT_EQ(parse(u"#Nope1|#Nope2|#KV_Text_Border", DialogKind::Text, u"text"), 131072u);
  EXPECT_EQ(error.text(), "'#Nope1' flag is not supported for the following gadget: text");
}

TEST_F(FlagExpressionTest, KindsWithoutTableRejectEveryName) {
  parse(u"#KV_Button_Left", DialogKind::VBox, u"vbox");
  EXPECT_EQ(error.text(), "'#KV_Button_Left' flag is not supported for the following gadget: vbox");
}

TEST_F(FlagExpressionTest, RuntimeConstantsServeAsFlags) {
  runtime_register_integer(u"MY_FLAG", 0x40);
  runtime_register_integer(u"ALL", -1);
  EXPECT_EQ(parse(u"#my_flag|#KV_Text_Center", DialogKind::Text), 0x41u);
  EXPECT_EQ(parse(u"#ALL", DialogKind::Text), 0xFFFFFFFFu);
  EXPECT_FALSE(error.has_error());
}

TEST_F(FlagExpressionTest, TableEntriesWinOverRuntimeNames) {
  runtime_register_integer(u"KV_Button_Left", 1);
  EXPECT_EQ(parse(u"#KV_Button_Left", DialogKind::Button), 256u);
  EXPECT_EQ(parse(u"#KV_Button_Left", DialogKind::ButtonImage), 1u);
}

TEST_F(FlagExpressionTest, EveryTableNameIsFoundInAnyCase) {
  int tables = 0;
  for (int code = 0; code < 256; ++code) {
    DialogKind kind = static_cast<DialogKind>(code);
    std::span<const FlagRow> table = flag_table(kind);
    if (!table.empty()) ++tables;
    for (const FlagRow& flag : table) {
      std::u16string upper(flag.name);
      for (char16_t& c : upper) c = (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
      std::optional<std::uint32_t> value = look_up_flag(upper, kind);
      // A name listed twice in one table would show the first value for the second entry.
      ASSERT_TRUE(value.has_value());
      EXPECT_EQ(*value, flag.value) << code;
    }
  }
  EXPECT_EQ(tables, 27);
  EXPECT_EQ(look_up_flag(u"KV_Window_BorderLess", DialogKind::Window), 0x80000000u);
}

}  // namespace
}  // namespace ambrel
