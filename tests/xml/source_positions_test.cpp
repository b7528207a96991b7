// Where the elements and attributes of a text parsed with its positions were written.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xml/document_parse.h"
#include "xml/xml_document.h"
#include "xml_test_support.h"

namespace ambrel {
namespace {

using SourcePositionsTest = XmlTest;

// "element" then "attribute" places of every element, in document order, as "L:C" texts.
std::vector<std::string> places_of(int handle) {
  const XmlSourceMap* map = xml_source_map(handle);
  std::vector<std::string> places;
  std::vector<const XmlNode*> stack{xml_main_node(handle)};
  auto text = [](XmlPosition p) { return std::to_string(p.line) + ":" + std::to_string(p.column); };
  while (!stack.empty()) {
    const XmlNode* node = stack.back();
    stack.pop_back();
    if (node == nullptr || node->kind != XmlNodeKind::element) continue;
    places.push_back(utf8(node->name) + "@" + text(map->element_position(node)));
    for (int i = 0; i < node->attribute_count; ++i) {
      places.push_back(utf8(node->attributes[2 * i]) + "@" +
                       text(map->attribute_position(node, i)));
    }
    std::vector<const XmlNode*> children;
    for (const XmlNode* c = node->first_child; c != nullptr; c = c->next_sibling)
      children.push_back(c);
    stack.insert(stack.end(), children.rbegin(), children.rend());
  }
  return places;
}

TEST_F(SourcePositionsTest, ElementsAndAttributesAcrossLines) {
  // LF, CR LF and CR all end a line; tabs and blanks count one column each.
  std::u16string text = u"<w a='1'>\n\t<b  x = \"y>z\"\r\n    yy='2'/>\r<c\n/></w>";
  int handle = xml_parse_text_with_positions(kAnyNumber, text);
  ASSERT_TRUE(xml_parse_result(handle).ok());
  EXPECT_EQ(places_of(handle),
            (std::vector<std::string>{"w@1:1", "a@1:4", "b@2:2", "x@2:6", "yy@3:5", "c@4:1"}));
}

TEST_F(SourcePositionsTest, ValuesWithLineBreaksAndOtherQuotes) {
  std::u16string text = u"<w a='it\"s\nlong' b=\"x'\r\ny\" c='\xD83D\xDE00' d='1'/>";
  int handle = xml_parse_text_with_positions(kAnyNumber, text);
  ASSERT_TRUE(xml_parse_result(handle).ok());
  // The pair before d counts as one column, as the parser counts it.
  EXPECT_EQ(places_of(handle),
            (std::vector<std::string>{"w@1:1", "a@1:4", "b@2:7", "c@3:4", "d@3:10"}));
}

TEST_F(SourcePositionsTest, ColumnsAgreeWithTheParsersOwnErrorPositions) {
  // The same character before an element and before a fault (the second '<'): one column.
  int handle = xml_parse_text_with_positions(kAnyNumber, u"<w>\xD83D\xDE00<b/>\xD83D\xDE00<</w>");
  XmlParseResult result = xml_parse_result(handle);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(places_of(handle), (std::vector<std::string>{"w@1:1", "b@1:5"}));
  EXPECT_EQ(result.line, 1);
  EXPECT_EQ(result.column, 11);
}

TEST_F(SourcePositionsTest, PiecesDoNotMovePlaces) {
  std::u16string text = u"<w\r\n a='1'>\r\n<b c='2'\r\n d='3'/>\r\n<e/></w>";
  std::vector<std::string> whole = places_of(xml_parse_text_with_positions(kAnyNumber, text));
  ASSERT_EQ(whole.size(), 6u);
  for (std::size_t piece : {1, 2, 3, 7}) {
    int handle = parse_text_in_pieces(kAnyNumber, text, piece, XmlPositions::kept);
    EXPECT_EQ(places_of(handle), whole) << "pieces of " << piece;
  }
}

TEST_F(SourcePositionsTest, DefaultedAttributesPointAtTheirElement) {
  std::u16string text = u"<!DOCTYPE w [<!ATTLIST w d CDATA 'x'>]>\n<w a='1'/>";
  int handle = xml_parse_text_with_positions(kAnyNumber, text);
  ASSERT_TRUE(xml_parse_result(handle).ok());
  EXPECT_EQ(places_of(handle), (std::vector<std::string>{"w@2:1", "a@2:4", "d@2:1"}));
}

TEST_F(SourcePositionsTest, OnlyParsesThatAskKeepPlaces) {
  int plain = parse(u"<w a='1'/>");
  EXPECT_EQ(xml_source_map(plain), nullptr);
  int kept = xml_parse_text_with_positions(kAnyNumber, u"<w a='1'/>");
  ASSERT_NE(xml_source_map(kept), nullptr);
  // A node of another document is unknown to the map.
  EXPECT_EQ(xml_source_map(kept)->element_position(xml_main_node(plain)), XmlPosition{});
}

}  // namespace
}  // namespace ambrel
