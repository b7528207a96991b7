#include <gtest/gtest.h>

#include <string>

#include "xml/xml_document.h"
#include "xml_navigation.h"
#include "xml_test_support.h"

namespace ambrel {
namespace {

using ParseStatusTest = XmlTest;

TEST_F(ParseStatusTest, WellFormedTextLeavesAnEmptyStatus) {
  XmlParseResult status = xml_parse_result(parse(u"<a>x</a>"));
  EXPECT_EQ(status.status, XmlStatus::ok);
  EXPECT_EQ(status.line, 0);
  EXPECT_EQ(status.column, 0);
  EXPECT_EQ(status.description(), nullptr);
}

TEST_F(ParseStatusTest, EmptyTextHasNoElement) {
  XmlParseResult status = xml_parse_result(parse(u""));
  EXPECT_EQ(status.status, XmlStatus::no_element);
  EXPECT_EQ(std::u16string(status.description()), u"no element found");
}

TEST_F(ParseStatusTest, MismatchedTagKeepsWhatWasBuiltWithItsPosition) {
  int handle = parse(u"<a>\n <b>x</a>");
  ASSERT_NE(xml_is_document(handle), 0);
  XmlParseResult status = xml_parse_result(handle);
  EXPECT_EQ(status.status, XmlStatus::mismatched_tag);
  EXPECT_EQ(std::u16string(status.description()), u"mismatched tag");
  EXPECT_EQ(status.line, 2);
  EXPECT_EQ(status.column, 8);
  const XmlNode* a = xml_main_node(handle);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(xml_node_name(a), u"a");
  EXPECT_EQ(xml_node_text(a), u"\n ");
  ASSERT_NE(a->first_child, nullptr);
  EXPECT_EQ(xml_node_name(a->first_child), u"b");
  EXPECT_EQ(xml_node_text(a->first_child), u"x");
}

TEST_F(ParseStatusTest, JunkAfterTheDocumentElementKeepsTheFirstElementOnly) {
  int handle = parse(u"<a/><b/>");
  EXPECT_EQ(xml_parse_result(handle).status, XmlStatus::junk_after_document_element);
  EXPECT_EQ(xml_child_count(root_of(handle)), 1);
  EXPECT_EQ(xml_node_name(xml_main_node(handle)), u"a");
}

TEST_F(ParseStatusTest, FaultyFirstMarkupLeavesNoMainNode) {
  int handle = parse(u"<1a/>");
  EXPECT_EQ(xml_parse_result(handle).status, XmlStatus::invalid_token);
  EXPECT_EQ(std::u16string(xml_parse_result(handle).description()),
            u"not well-formed (invalid token)");
  EXPECT_EQ(xml_main_node(handle), nullptr);
}

TEST_F(ParseStatusTest, UnknownHandlesHaveNoStatus) {
  XmlParseResult status = xml_parse_result(12345);
  EXPECT_EQ(status.status, XmlStatus::ok);
  EXPECT_EQ(status.description(), nullptr);
}

}  // namespace
}  // namespace ambrel
