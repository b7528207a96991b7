#include <gtest/gtest.h>

#include <string>

#include "xml/line_endings.h"
#include "xml/xml_document.h"
#include "xml_navigation.h"
#include "xml_test_support.h"

namespace ambrel {
namespace {

using ParseTreeTest = XmlTest;

std::u16string text_of(const XmlNode* node) { return xml_node_text(node); }

TEST_F(ParseTreeTest, EmptyAndNullTextGiveALiveDocumentWithOnlyARoot) {
  for (int handle :
       {parse(u""), xml_parse_text(kAnyNumber, static_cast<const char16_t*>(nullptr))}) {
    ASSERT_NE(handle, 0);
    EXPECT_NE(xml_is_document(handle), 0);
    EXPECT_EQ(xml_main_node(handle), nullptr);
    const XmlNode* root = root_of(handle);
    EXPECT_EQ(root->kind, XmlNodeKind::root);
    EXPECT_EQ(root->first_child, nullptr);
    EXPECT_EQ(root->parent, nullptr);
    EXPECT_EQ(xml_find_document(handle)->line_ending, XmlLineEnding::none);
  }
}

TEST_F(ParseTreeTest, CharacterDataTakesTheStyleOfTheFirstLineBreak) {
  int crlf = parse(u"<a>\r\n  <b>x</b>\r\n</a>");
  const XmlNode* a = xml_main_node(crlf);
  EXPECT_EQ(text_of(a), u"\r\n  \r\n");
  EXPECT_EQ(text_of(a->first_child), u"x");
  EXPECT_EQ(xml_child_count(a), 1);

  int lf = parse(u"<a>\n  <b>x</b>\n</a>");
  EXPECT_EQ(text_of(xml_main_node(lf)), u"\n  \n");

  // A lone CR is the style, and later CR LF pairs are written in it too.
  int cr = parse(u"<a>\r  <b>x</b>\r\n</a>");
  EXPECT_EQ(text_of(xml_main_node(cr)), u"\r  \r");

  // The first break decides: a document starting with CR LF writes later LFs as CR LF.
  int mixed = parse(u"<a>\r\n  <b>x\ny</b></a>");
  EXPECT_EQ(text_of(xml_main_node(mixed)->first_child), u"x\r\ny");
}

TEST_F(ParseTreeTest, LineEndingDetectionSkipsALeadingLfAndTheLastUnit) {
  EXPECT_EQ(detect_line_ending(u""), XmlLineEnding::none);
  EXPECT_EQ(detect_line_ending(u"<a>x</a>\n"), XmlLineEnding::none);
  EXPECT_EQ(detect_line_ending(u"<a>x</a>\r"), XmlLineEnding::none);
  EXPECT_EQ(detect_line_ending(u"\n<a>x</a>\r\n<b/>"), XmlLineEnding::crlf);
  EXPECT_EQ(detect_line_ending(u"<a>\r\n</a>"), XmlLineEnding::crlf);
  EXPECT_EQ(detect_line_ending(u"<a>\r</a>"), XmlLineEnding::cr);
  EXPECT_EQ(detect_line_ending(u"<a>\n\r\n</a>"), XmlLineEnding::lf);
  // Texts with fewer than five zero bytes are looked at byte by byte.
  EXPECT_EQ(detect_line_ending(u"\u0d0a\u0d0a"), XmlLineEnding::crlf);
  EXPECT_EQ(detect_line_ending(u"\u0d0a\u0d0a\r\r\r\r\r"), XmlLineEnding::cr);
}

TEST_F(ParseTreeTest, ElementTextJoinsTheDataAroundItsChildren) {
  const XmlNode* a = xml_main_node(parse(u"<a>x<!--c-->y<b/>z</a>"));
  EXPECT_EQ(text_of(a), u"xyz");
  ASSERT_EQ(xml_child_count(a), 2);
  EXPECT_EQ(a->first_child->kind, XmlNodeKind::comment);
  EXPECT_EQ(text_of(a->first_child), u"c");
  EXPECT_EQ(xml_node_name(a->first_child->next_sibling), u"b");
  EXPECT_EQ(a->first_child->next_sibling->previous_sibling, a->first_child);
  EXPECT_EQ(a->first_child->next_sibling->parent, a);
}

TEST_F(ParseTreeTest, CdataSectionIsAChildWithItsOwnText) {
  const XmlNode* a = xml_main_node(parse(u"<a><![CDATA[<&>]]></a>"));
  EXPECT_EQ(a->text, nullptr);
  ASSERT_NE(a->first_child, nullptr);
  EXPECT_EQ(a->first_child->kind, XmlNodeKind::cdata);
  EXPECT_EQ(text_of(a->first_child), u"<&>");
  EXPECT_EQ(a->first_child->next_sibling, nullptr);
}

TEST_F(ParseTreeTest, NamesAndAttributesAreKeptAsWrittenInTagOrder) {
  const XmlNode* a = xml_main_node(parse(u"<p:a xmlns:p='u' p:k='1' z=\"&lt;&#65;\"/>"));
  EXPECT_EQ(xml_node_name(a), u"p:a");
  ASSERT_EQ(a->attribute_count, 3);
  EXPECT_EQ(std::u16string(a->attributes[0]), u"xmlns:p");
  EXPECT_EQ(std::u16string(a->attributes[1]), u"u");
  EXPECT_EQ(std::u16string(a->attributes[2]), u"p:k");
  EXPECT_EQ(std::u16string(a->attributes[3]), u"1");
  EXPECT_EQ(std::u16string(a->attributes[5]), u"<A");
}

TEST_F(ParseTreeTest, DefaultedAttributesFollowTheWrittenOnes) {
  const XmlNode* r = xml_main_node(parse(u"<!DOCTYPE r [<!ATTLIST r d CDATA 'dv'>]><r w='1'/>"));
  ASSERT_EQ(r->attribute_count, 2);
  EXPECT_EQ(std::u16string(r->attributes[0]), u"w");
  EXPECT_EQ(std::u16string(r->attributes[2]), u"d");
  EXPECT_EQ(std::u16string(r->attributes[3]), u"dv");
}

TEST_F(ParseTreeTest, XmlDeclarationLeavesNoTraceAndDoesNotChangeTheEncoding) {
  int handle = parse(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>\u00e9</a>");
  EXPECT_EQ(xml_parse_result(handle).status, XmlStatus::ok);
  const XmlNode* root = root_of(handle);
  EXPECT_EQ(root->first_child, xml_main_node(handle));
  EXPECT_EQ(root->text, nullptr);
  EXPECT_EQ(text_of(xml_main_node(handle)), u"\u00e9");
  EXPECT_EQ(xml_find_document(handle)->encoding, kXmlEncodingUtf16);
}

TEST_F(ParseTreeTest, DoctypeIsRecomposedAndItsEntitiesAreNotExpandedInText) {
  int handle = parse(u"<!DOCTYPE r [<!ENTITY e 'v'>]><r>&e;&amp;</r>");
  const XmlNode* root = root_of(handle);
  ASSERT_EQ(root->first_child->kind, XmlNodeKind::doctype);
  EXPECT_EQ(text_of(root->first_child), u"<!DOCTYPE r [<!ENTITY e 'v'>]>");
  EXPECT_EQ(text_of(xml_main_node(handle)), u"&e;&");
  EXPECT_EQ(xml_parse_result(handle).status, XmlStatus::ok);
}

TEST_F(ParseTreeTest, DoctypeIdentifiersAreQuotedSoTheyStayReadable) {
  const XmlNode* dtd = root_of(parse(u"<!DOCTYPE r SYSTEM 'a\"b'><r/>"))->first_child;
  EXPECT_EQ(text_of(dtd), u"<!DOCTYPE r SYSTEM 'a\"b'>");
  dtd = root_of(parse(u"<!DOCTYPE r PUBLIC 'p' \"s\"><r/>"))->first_child;
  EXPECT_EQ(text_of(dtd), u"<!DOCTYPE r PUBLIC \"p\" \"s\">");
  EXPECT_EQ(dtd->first_child, nullptr);
}

TEST_F(ParseTreeTest, CommentsInTheInternalSubsetBelongToTheDoctype) {
  const XmlNode* dtd = root_of(parse(u"<!DOCTYPE r [<!--in-->]><r/>"))->first_child;
  ASSERT_NE(dtd->first_child, nullptr);
  EXPECT_EQ(dtd->first_child->kind, XmlNodeKind::comment);
  EXPECT_EQ(text_of(dtd->first_child), u"in");
}

TEST_F(ParseTreeTest, PrologAndEpilogNodesSurroundTheMainNode) {
  int handle = parse(u"<!--before-->\n<?go now?>\n<r><?in x?></r>\n<!--after-->\n");
  const XmlNode* root = root_of(handle);
  const XmlNode* r = xml_main_node(handle);
  EXPECT_EQ(xml_node_name(r), u"r");
  ASSERT_EQ(xml_child_count(root), 4);
  EXPECT_EQ(xml_child_node(root, 1)->kind, XmlNodeKind::comment);
  EXPECT_EQ(xml_child_node(root, 2)->kind, XmlNodeKind::instruction);
  EXPECT_EQ(xml_node_name(xml_child_node(root, 2)), u"go");
  EXPECT_EQ(text_of(xml_child_node(root, 2)), u"now");
  EXPECT_EQ(xml_child_node(root, 3), r);
  EXPECT_EQ(text_of(xml_child_node(root, 4)), u"after");
  EXPECT_EQ(text_of(root), u"\n\n\n\n");
  EXPECT_EQ(xml_node_name(r->first_child), u"in");
}

TEST_F(ParseTreeTest, CommentAndInstructionDataTakeTheLineEndingStyle) {
  int handle = parse(u"<r>\r\n<!--a\r\nb--><?p c\r\nd?></r>");
  const XmlNode* r = xml_main_node(handle);
  EXPECT_EQ(text_of(r->first_child), u"a\r\nb");
  EXPECT_EQ(text_of(r->first_child->next_sibling), u"c\r\nd");
}

TEST_F(ParseTreeTest, LongTextsAndWideAttributeTablesSurviveTheirOwnBlocks) {
  std::u16string long_text(5000, u'x');
  std::u16string doc = u"<r";
  for (int i = 0; i < 200; ++i)
    doc += u" a" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) +
           std::u16string(i / 26 + 1, u'q') + u"='" + long_text.substr(0, 600) + u"'";
  doc += u">" + long_text + u"<c>short</c>" + long_text + u"</r>";
  int handle = parse(doc);
  ASSERT_EQ(xml_parse_result(handle).status, XmlStatus::ok);
  const XmlNode* r = xml_main_node(handle);
  EXPECT_EQ(r->attribute_count, 200);
  EXPECT_EQ(std::u16string(r->attributes[399]), long_text.substr(0, 600));
  EXPECT_EQ(text_of(r), long_text + long_text);
  EXPECT_EQ(text_of(r->first_child), u"short");
}

TEST_F(ParseTreeTest, ExplicitNumbersReplaceTheirDocument) {
  EXPECT_EQ(xml_parse_text(7, u"<a/>"), 1);
  EXPECT_EQ(xml_parse_text(7, u"<b/>"), 1);
  EXPECT_EQ(xml_node_name(xml_main_node(7)), u"b");
  int automatic = parse(u"<c/>");
  EXPECT_NE(automatic, 0);
  EXPECT_NE(automatic, 7);
  xml_free_document(7);
  EXPECT_EQ(xml_is_document(7), 0);
  EXPECT_NE(xml_is_document(automatic), 0);
  xml_free_document(kAnyNumber);
  EXPECT_EQ(xml_is_document(automatic), 0);
  EXPECT_EQ(xml_main_node(automatic), nullptr);
}

TEST_F(ParseTreeTest, NothingIsParsedWhileTheServicesAreDown) {
  end_services();
  EXPECT_EQ(parse(u"<a/>"), 0);
  EXPECT_EQ(xml_is_document(1), 0);
  ASSERT_NO_FATAL_FAILURE(start_services());
  EXPECT_NE(parse(u"<a/>"), 0);
}

}  // namespace
}  // namespace ambrel
