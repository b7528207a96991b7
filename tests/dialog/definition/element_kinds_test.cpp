// The element kind table: one consistent row per kind.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "dialog/definition/element_kinds.h"

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

TEST(ElementKindsTest, OnlyKindsWithAGadgetHaveAControlEventsOrContent) {
  for (const ElementKind& row : element_kinds()) {
    std::string name(row.element.begin(), row.element.end());
    bool has_gadget = row.gadget != kNoGadget;
    EXPECT_EQ(row.control.has_value(), has_gadget) << name;
    if (!has_gadget) {
      EXPECT_FALSE(row.events.has_value()) << name;
      EXPECT_EQ(row.content, InitialContent::None) << name;
      EXPECT_EQ(row.sizing, Sizing::Wish) << name;
    }
    // Only the window is made by the open rather than by its row.
    EXPECT_EQ(row.create == nullptr, row.kind == DialogKind::Window) << name;
  }
}

}  // namespace
}  // namespace ambrel
