#include "dialog/definition/element_view.h"

#include <gtest/gtest.h>

namespace ambrel {
namespace {

TEST(ElementViewTest, ReadsTheAttributeTableOfAnXmlNode) {
  const char16_t* table[] = {u"Name", u"first", u"id", u"#KV_Any", u"NAME", u"second"};
  XmlNode node{};
  node.kind = XmlNodeKind::element;
  node.name = u"Button";
  node.attributes = table;
  node.attribute_count = 3;
  ElementView view = element_view_of(node);
  EXPECT_EQ(view.name, u"Button");
  EXPECT_EQ(view.attribute_count, 3);
  EXPECT_EQ(view.attribute_name(1), u"id");
  EXPECT_EQ(find_attribute(view, u"name"), u"first");
  EXPECT_EQ(find_attribute(view, u"ID"), u"#KV_Any");
  EXPECT_EQ(find_attribute(view, u"text"), std::nullopt);
}

TEST(ElementViewTest, NodeWithoutNameOrAttributesGivesAnEmptyView) {
  XmlNode node{};
  node.attribute_count = 4;  // a count without a table is not trusted
  ElementView view = element_view_of(node);
  EXPECT_TRUE(view.name.empty());
  EXPECT_EQ(view.attribute_count, 0);
  EXPECT_EQ(find_attribute(view, u"name"), std::nullopt);
}

}  // namespace
}  // namespace ambrel
