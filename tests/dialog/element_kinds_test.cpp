// The element kind table: one consistent row per kind.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "dialog/definition/event_attributes.h"
#include "dialog/definition/gadget_attributes.h"
#include "dialog/element_kinds.h"
#include "dialog/objects/gadget_creation.h"

namespace ambrel {
namespace {

std::u16string upper(std::u16string_view text) {
  std::u16string result(text);
  for (char16_t& c : result) c = (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
  return result;
}

TEST(ElementKindsTest, EveryRowIsFoundByItsNameInAnyCaseAndByItsKind) {
  std::set<std::u16string_view> names;
  std::set<DialogKind> kinds;
  for (const ElementKind& row : element_kinds()) {
    EXPECT_TRUE(names.insert(row.element).second);
    EXPECT_TRUE(kinds.insert(row.kind).second);
    EXPECT_EQ(row.element.find_first_of(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::u16string_view::npos);
    EXPECT_EQ(find_element_kind(upper(row.element)), &row);
    EXPECT_EQ(element_kind_of(row.kind), &row);
    EXPECT_EQ(element_name_of(row.kind), row.element);
  }
  EXPECT_EQ(element_kinds().size(), 40u);
  EXPECT_EQ(find_element_kind(u"nothing"), nullptr);
  EXPECT_EQ(element_kind_of(static_cast<DialogKind>(2)), nullptr);
  EXPECT_EQ(element_kind_of(static_cast<DialogKind>(255)), nullptr);
}

TEST(ElementKindsTest, OnlyKindsWithAGadgetTakeEventsOrCreationArguments) {
  for (const ElementKind& row : element_kinds()) {
    std::string name(row.element.begin(), row.element.end());
    if (!gadget_kind_code_of(row.kind)) {
      EXPECT_FALSE(event_mask_of(row.kind).has_value()) << name;
      EXPECT_EQ(creation_arguments_of(row.kind).takes, 0) << name;
    }
    // Only the window is made by the open rather than by its row.
    EXPECT_EQ(row.create == nullptr, row.kind == DialogKind::Window) << name;
  }
}

// The numbers definitions and programs see: each element's kind code and its gadget's kind
// code (0: no gadget).
TEST(ElementKindsTest, TheCodesKeepTheirNumbers) {
  struct Codes {
    std::u16string_view element;
    int kind;
    int gadget;
  };
  const Codes codes[] = {
      {u"window", 1, 0},          {u"button", 3, 1},
      {u"checkbox", 4, 4},        {u"image", 5, 9},
      {u"option", 6, 5},          {u"listview", 7, 6},
      {u"listicon", 8, 12},       {u"tree", 9, 27},
      {u"container", 10, 11},     {u"combobox", 11, 8},
      {u"text", 12, 3},           {u"string", 13, 2},
      {u"panel", 14, 28},         {u"tab", 15, 0},
      {u"scrollarea", 16, 23},    {u"frame", 17, 7},
      {u"editor", 20, 22},        {u"scintilla", 21, 31},
      {u"scrollbar", 22, 15},     {u"progressbar", 23, 14},
      {u"explorerlist", 24, 16},  {u"explorertree", 25, 17},
      {u"explorercombo", 26, 18}, {u"splitter", 27, 29},
      {u"shortcut", 28, 32},      {u"buttonimage", 29, 19},
      {u"trackbar", 30, 25},      {u"canvas", 31, 33},
      {u"calendar", 32, 20},      {u"date", 33, 21},
      {u"spin", 34, 26},          {u"web", 35, 30},
      {u"hyperlink", 36, 10},     {u"ipaddress", 37, 13},
      {u"vbox", 101, 0},          {u"hbox", 102, 0},
      {u"multibox", 103, 0},      {u"singlebox", 104, 0},
      {u"gridbox", 105, 0},       {u"empty", 106, 0},
  };
  for (const Codes& expected : codes) {
    const ElementKind* row = find_element_kind(expected.element);
    ASSERT_NE(row, nullptr);
    std::string name(expected.element.begin(), expected.element.end());
    EXPECT_EQ(static_cast<int>(row->kind), expected.kind) << name;
    EXPECT_EQ(static_cast<int>(gadget_kind_code_of(row->kind).value_or(GadgetKindCode::None)),
              expected.gadget)
        << name;
  }
}

}  // namespace
}  // namespace ambrel
