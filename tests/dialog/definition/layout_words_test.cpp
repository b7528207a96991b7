#include "dialog/definition/layout_words.h"

#include <gtest/gtest.h>

#include <vector>

#include "dialog/definition/attribute_words.h"

namespace ambrel::layout {
namespace {

TEST(BoxWords, ExpandAndAlign) {
  EXPECT_EQ(parse_line_expand(u"no"), (ExpandChoice{ExpandMode::No, 0}));
  EXPECT_EQ(parse_line_expand(u"Equal"), (ExpandChoice{ExpandMode::Equal, 0}));
  EXPECT_EQ(parse_line_expand(u"ITEM:2"), (ExpandChoice{ExpandMode::Item, 1}));
  EXPECT_EQ(parse_line_expand(u"item:x"), (ExpandChoice{ExpandMode::Item, -1}));
  EXPECT_FALSE(parse_line_expand(u"yes"));
  EXPECT_FALSE(parse_line_expand(u"no "));
  EXPECT_EQ(parse_row_expand(u"YES"), (ExpandChoice{ExpandMode::Yes, 0}));
  EXPECT_FALSE(parse_row_expand(u"no"));
  EXPECT_EQ(parse_line_align(u"center"), LineAlign::Center);
  EXPECT_EQ(parse_line_align(u"Right"), LineAlign::End);
  EXPECT_EQ(parse_line_align(u"bottom"), LineAlign::End);
  EXPECT_FALSE(parse_line_align(u"top/left"));
}

TEST(SingleChildWords, Margin) {
  EXPECT_EQ(parse_margin_sides(u"top:4,left:6"), (Margins{4, 0, 6, 0}));
  EXPECT_EQ(parse_margin_sides(u"vertical:2,top:9"), (Margins{2, 2, 0, 0}));
  EXPECT_EQ(parse_margin_sides(u"RIGHT: 7 BOTTOM:-3 horizontal:1"), (Margins{0, -3, 1, 1}));
  EXPECT_FALSE(parse_margin_sides(u"3"));
}

TEST(SingleChildWords, Expand) {
  EXPECT_EQ(parse_single_expand(u"vertical"), (ExpandSwitches{false, true}));
  EXPECT_EQ(parse_single_expand(u"Horizontal"), (ExpandSwitches{true, false}));
  EXPECT_EQ(parse_single_expand(u"NO"), (ExpandSwitches{false, false}));
  EXPECT_FALSE(parse_single_expand(u"yes"));
}

TEST(SingleChildWords, Align) {
  struct Row {
    const char16_t* text;
    SingleAlign expected;
  };
  const std::vector<Row> rows = {
      {u"bottom", {SideAlign::Start, SideAlign::End}},
      {u"right center", {SideAlign::End, SideAlign::Center}},
      {u"top/left", {SideAlign::Start, SideAlign::Start}},
      {u"CENTER", {SideAlign::Center, SideAlign::Center}},
      {u"top bottom", {SideAlign::Start, SideAlign::End}},
      {u"nothing", {SideAlign::Start, SideAlign::Start}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(apply_single_align({}, row.text), row.expected);
  }
  // An axis set by an earlier ALIGN stays.
  EXPECT_EQ(apply_single_align({SideAlign::End, SideAlign::Unset}, u"center"),
            (SingleAlign{SideAlign::End, SideAlign::Center}));
}

TEST(AttributeWords, DecimalReading) {
  EXPECT_EQ(read_decimal(u"  -12px"), -12);
  EXPECT_EQ(read_decimal(u"auto"), 0);
  EXPECT_EQ(read_decimal(u"99999999999"), 2147483647);
  EXPECT_EQ(read_decimal(u"-99999999999"), -2147483647 - 1);
}

TEST(ScrollAreaWords, Scrolling) {
  EXPECT_EQ(parse_scrolling(u"Horizontal"), Scrolling::HorizontalOnly);
  EXPECT_FALSE(parse_scrolling(u"both"));
}

TEST(SplitterWords, PaneMinimum) {
  EXPECT_TRUE(is_request_word(u"Request"));
  EXPECT_TRUE(is_request_word(u"auto"));
  EXPECT_FALSE(is_request_word(u"25"));
}

}  // namespace
}  // namespace ambrel::layout
