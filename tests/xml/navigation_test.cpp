#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xml/xml_document.h"
#include "xml_navigation.h"
#include "xml_test_support.h"

namespace ambrel {
namespace {

using NavigationTest = XmlTest;

std::vector<std::u16string> attribute_names(XmlNode* node) {
  std::vector<std::u16string> names;
  if (xml_examine_attributes(node) == 0) return names;
  while (xml_next_attribute(node) != 0) names.push_back(xml_attribute_name(node));
  return names;
}

TEST_F(NavigationTest, PathsIndexSameNamedPrecedingSiblingsOnly) {
  XmlNode* r = xml_main_node(parse(u"<r><a/><b/><!--c--><a/><a><x/></a><!--d--><p:a/></r>"));
  std::vector<std::u16string> paths;
  for (XmlNode* child = xml_child_node(r, 1); child != nullptr; child = xml_next_node(child)) {
    paths.push_back(xml_node_path(child));
  }
  EXPECT_EQ(xml_node_path(r), u"/r");
  EXPECT_EQ(paths, (std::vector<std::u16string>{u"/r/a", u"/r/b", u"/r/#comment", u"/r/a[2]",
                                                u"/r/a[3]", u"/r/#comment[2]", u"/r/p:a"}));
  EXPECT_EQ(xml_node_path(xml_child_node(xml_child_node(r, 5), 1)), u"/r/a[3]/x");
}

TEST_F(NavigationTest, PathsOfTheRootAndOfPrologNodes) {
  int handle = parse(u"<!--c--><?pi?><!DOCTYPE r><r><![CDATA[d]]><?pi?><?pi?></r>");
  const XmlNode* root = root_of(handle);
  EXPECT_EQ(xml_node_path(root), u"/");
  EXPECT_EQ(xml_node_path(xml_child_node(root, 1)), u"/#comment");
  EXPECT_EQ(xml_node_path(xml_child_node(root, 2)), u"/#instruction");
  EXPECT_EQ(xml_node_path(xml_child_node(root, 3)), u"/#dtd");
  const XmlNode* r = xml_main_node(handle);
  EXPECT_EQ(xml_node_path(r), u"/r");
  EXPECT_EQ(xml_node_path(xml_child_node(r, 1)), u"/r/#cdata");
  EXPECT_EQ(xml_node_path(xml_child_node(r, 3)), u"/r/#instruction[2]");
}

TEST_F(NavigationTest, ManyDifferentlyNamedSiblingsKeepTheirIndices) {
  std::u16string doc = u"<r>";
  for (int round = 0; round < 3; ++round) {
    for (char16_t c = u'a'; c <= u'z'; ++c) doc += std::u16string(u"<") + c + u"/>";
  }
  doc += u"</r>";
  const XmlNode* r = xml_main_node(parse(doc));
  EXPECT_EQ(xml_node_path(xml_child_node(r, 1)), u"/r/a");
  EXPECT_EQ(xml_node_path(xml_child_node(r, 26 + 5)), u"/r/e[2]");
  EXPECT_EQ(xml_node_path(xml_child_node(r, 52 + 26)), u"/r/z[3]");
  // Siblings of one name share their stored name.
  EXPECT_EQ(xml_child_node(r, 1)->name, xml_child_node(r, 27)->name);
}

TEST_F(NavigationTest, NamesAndTextsOfEveryKind) {
  int handle = parse(u"<!DOCTYPE r><r><!--c--><![CDATA[d]]><?t v?></r>");
  const XmlNode* root = root_of(handle);
  const XmlNode* r = xml_main_node(handle);
  EXPECT_EQ(xml_node_kind(root), 0);
  EXPECT_EQ(xml_node_name(root), u"");
  EXPECT_EQ(xml_node_kind(xml_child_node(root, 1)), 4);
  EXPECT_EQ(xml_node_name(xml_child_node(root, 1)), u"");
  EXPECT_EQ(xml_node_kind(r), 1);
  EXPECT_EQ(xml_node_text(r), u"");
  EXPECT_EQ(xml_node_kind(xml_child_node(r, 1)), 2);
  EXPECT_EQ(xml_node_name(xml_child_node(r, 1)), u"");
  EXPECT_EQ(xml_node_kind(xml_child_node(r, 2)), 3);
  EXPECT_EQ(xml_node_name(xml_child_node(r, 2)), u"");
  EXPECT_EQ(xml_node_kind(xml_child_node(r, 3)), 5);
  EXPECT_EQ(xml_node_name(xml_child_node(r, 3)), u"t");
  EXPECT_EQ(xml_node_text(xml_child_node(r, 3)), u"v");
}

TEST_F(NavigationTest, AttributeIterationFollowsTheTagAndRestartsOnExamine) {
  XmlNode* a = xml_main_node(parse(u"<a x='1' y='2' z='3'><e/><!--c--></a>"));
  EXPECT_EQ(attribute_names(a), (std::vector<std::u16string>{u"x", u"y", u"z"}));
  EXPECT_EQ(xml_next_attribute(a), 0);
  EXPECT_EQ(xml_attribute_name(a), u"");
  xml_examine_attributes(a);
  EXPECT_EQ(xml_attribute_name(a), u"");
  ASSERT_EQ(xml_next_attribute(a), 1);
  EXPECT_EQ(xml_attribute_name(a), u"x");

  XmlNode* empty = xml_child_node(a, 1);
  EXPECT_EQ(xml_examine_attributes(empty), 1);
  EXPECT_EQ(xml_next_attribute(empty), 0);

  XmlNode* comment = xml_child_node(a, 2);
  EXPECT_EQ(xml_examine_attributes(comment), 0);
  EXPECT_EQ(xml_next_attribute(comment), 0);
}

TEST_F(NavigationTest, ChildrenByPositionCountEveryKind) {
  const XmlNode* a = xml_main_node(parse(u"<a>t<!--c--><![CDATA[d]]><b/></a>"));
  EXPECT_EQ(xml_child_count(a), 3);
  EXPECT_EQ(xml_child_node(a, 0), a->first_child);
  EXPECT_EQ(xml_child_node(a, -5), a->first_child);
  EXPECT_EQ(xml_child_node(a, 1), a->first_child);
  EXPECT_EQ(xml_node_name(xml_child_node(a, 3)), u"b");
  EXPECT_EQ(xml_child_node(a, 4), nullptr);
  EXPECT_EQ(xml_next_node(xml_child_node(a, 3)), nullptr);
  EXPECT_EQ(xml_child_count(xml_child_node(a, 3)), 0);
  EXPECT_EQ(xml_child_node(xml_child_node(a, 3), 1), nullptr);
}

}  // namespace
}  // namespace ambrel
