#include <gtest/gtest.h>

#include "generator/declaration_generator.h"
#include "whole_text_generator.h"
#include "generator_test_support.h"

namespace ambrel {
namespace {

using Declarations = GeneratorTest;

#define EXPECT_DECLARES(xml, ...) \
  EXPECT_EQ(shown(generate_declarations(xml)), shown(lines(__VA_ARGS__)))

TEST_F(Declarations, LeafListWithAttributesAndColumnWidth) {
  EXPECT_DECLARES(u"<a x=\"1\"><b y=\"2.5\"/><b/></a>",
                  {u"", u"; /a", u"; attributes: x", u"Structure XML_A",
                   u"\tb.s     ; [] attributes: y", u"EndStructure", u"", u"; /",
                   u"Structure XML_MAIN", u"\ta.XML_A ;    attributes: x", u"EndStructure"});
}

TEST_F(Declarations, SingleLeafHasNoLeadingBlankLine) {
  EXPECT_DECLARES(u"<a>5</a>", {u"; /", u"Structure XML_MAIN", u"\ta.q", u"EndStructure"});
}

TEST_F(Declarations, MissingEndTagDeclaresWhatWasParsed) {
  std::vector<std::u16string> expected{
      u"", u"; /a", u"Structure XML_A",    u"\tb.q",     u"EndStructure",
      u"", u"; /",  u"Structure XML_MAIN", u"\ta.XML_A", u"EndStructure"};
  EXPECT_DECLARES(u"<a><b>1</b>", expected);
  EXPECT_DECLARES(u"<a><b>1</b></a>", expected);
}

TEST_F(Declarations, NoElementGivesNothing) {
  EXPECT_EQ(generate_declarations(u""), u"");
  EXPECT_EQ(generate_declarations(u"<!-- only a comment -->"), u"");
  EXPECT_EQ(generate_declarations(u"<?xml version=\"1.0\"?>"), u"");
  EXPECT_EQ(generate_declarations(u"<1a/>"), u"");
  EXPECT_EQ(generate_declarations(u"plain text"), u"");
}

TEST_F(Declarations, MixedCaseNamesKeepTheirCaseInFields) {
  EXPECT_DECLARES(u"<Root><Item x=\"1\"><Val>5</Val><Val>-2,5</Val></Item></Root>",
                  {u"", u"; /Root/Item", u"; attributes: x", u"Structure XML_ITEM",
                   u"\tVal.f         ; []", u"EndStructure", u"", u"; /Root", u"Structure XML_ROOT",
                   u"\tItem.XML_ITEM ;    attributes: x", u"EndStructure", u"", u"; /",
                   u"Structure XML_MAIN", u"\tRoot.XML_ROOT", u"EndStructure"});
}

TEST_F(Declarations, AttributesFollowTheNameSetOrder) {
  EXPECT_DECLARES(
      u"<item id=\"7\" name=\"Bolt\" type=\"hex\"/>",
      {u"; /", u"Structure XML_MAIN", u"\titem.s ;    attributes: id,type,name", u"EndStructure"});
}

TEST_F(Declarations, SameNameUnderDifferentParentsPrintsTwoStructures) {
  EXPECT_DECLARES(u"<r><a><item><x>1</x></item></a><b><item><y>2</y></item></b></r>",
                  {u"",
                   u"; /r/b/item",
                   u"Structure XML_ITEM",
                   u"\ty.q",
                   u"EndStructure",
                   u"",
                   u"; /r/b",
                   u"Structure XML_B",
                   u"\titem.XML_ITEM",
                   u"EndStructure",
                   u"",
                   u"; /r/a/item",
                   u"Structure XML_ITEM",
                   u"\tx.q",
                   u"EndStructure",
                   u"",
                   u"; /r/a",
                   u"Structure XML_A",
                   u"\titem.XML_ITEM",
                   u"EndStructure",
                   u"",
                   u"; /r",
                   u"Structure XML_R",
                   u"\ta.XML_A",
                   u"\tb.XML_B",
                   u"EndStructure",
                   u"",
                   u"; /",
                   u"Structure XML_MAIN",
                   u"\tr.XML_R",
                   u"EndStructure"});
}

TEST_F(Declarations, BlocksOfOneGroupShareABlankLine) {
  EXPECT_DECLARES(u"<r><a><x/></a><b><y/></b></r>", {u"",
                                                     u"; /r/b",
                                                     u"Structure XML_B",
                                                     u"\ty.s",
                                                     u"EndStructure",
                                                     u"; /r/a",
                                                     u"Structure XML_A",
                                                     u"\tx.s",
                                                     u"EndStructure",
                                                     u"",
                                                     u"; /r",
                                                     u"Structure XML_R",
                                                     u"\ta.XML_A",
                                                     u"\tb.XML_B",
                                                     u"EndStructure",
                                                     u"",
                                                     u"; /",
                                                     u"Structure XML_MAIN",
                                                     u"\tr.XML_R",
                                                     u"EndStructure"});
}

// "-" sorts below "/", so the structure of b-c comes after that of b in descending key
// order while its field comes after b's.
TEST_F(Declarations, KeyOrderIsCodeUnitOrderOfWholeKeys) {
  EXPECT_DECLARES(u"<r><b-c><y/></b-c><b><x/></b></r>", {u"",
                                                         u"; /r/b",
                                                         u"Structure XML_B",
                                                         u"\tx.s",
                                                         u"EndStructure",
                                                         u"; /r/b-c",
                                                         u"Structure XML_B-C",
                                                         u"\ty.s",
                                                         u"EndStructure",
                                                         u"",
                                                         u"; /r",
                                                         u"Structure XML_R",
                                                         u"\tb.XML_B",
                                                         u"\tb-c.XML_B-C",
                                                         u"EndStructure",
                                                         u"",
                                                         u"; /",
                                                         u"Structure XML_MAIN",
                                                         u"\tr.XML_R",
                                                         u"EndStructure"});
}

TEST_F(Declarations, ChildNodesWithoutElementsMakeAnEmptyStructure) {
  EXPECT_DECLARES(u"<a><![CDATA[5]]></a><!--after--><?pi data?>",
                  {u"", u"; /a", u"Structure XML_A", u"EndStructure", u"", u"; /",
                   u"Structure XML_MAIN", u"\ta.XML_A", u"EndStructure"});
  // A comment child keeps an instance's text out, but the kind stays a leaf.
  EXPECT_DECLARES(u"<a><b>1</b><b><!--x--></b></a>",
                  {u"", u"; /a", u"Structure XML_A", u"\tb.q     ; []", u"EndStructure", u"",
                   u"; /", u"Structure XML_MAIN", u"\ta.XML_A", u"EndStructure"});
}

TEST_F(Declarations, SiblingCountIsThatOfTheLastParentInstance) {
  EXPECT_DECLARES(u"<r><g><i/><i/></g><g><i/></g></r>",
                  {u"", u"; /r/g[]", u"Structure XML_G", u"\ti.s", u"EndStructure", u"", u"; /r",
                   u"Structure XML_R", u"\tg.XML_G ; []", u"EndStructure", u"", u"; /",
                   u"Structure XML_MAIN", u"\tr.XML_R", u"EndStructure"});
}

// The second g is childless, so g is a leaf field of r, yet it still heads the block of
// its child kind i, whose count of 2 stands.
TEST_F(Declarations, KindThatIsSometimesChildlessHeadsItsOwnBlock) {
  EXPECT_DECLARES(
      u"<r><g a=\"1\"><i/><i/></g><g/></r>",
      {u"", u"; /r/g[]", u"; attributes: a", u"Structure XML_G", u"\ti.s     ; []", u"EndStructure",
       u"", u"; /r", u"Structure XML_R", u"\tg.s     ; [] attributes: a", u"EndStructure", u"",
       u"; /", u"Structure XML_MAIN", u"\tr.XML_R", u"EndStructure"});
}

TEST_F(Declarations, NamesDifferingInCaseAreOneKind) {
  EXPECT_DECLARES(
      u"<p><B X=\"1\"/><b x=\"2\"/></p>",
      {u"", u"; /p", u"Structure XML_P", u"\tb.s     ; [] attributes: x", u"EndStructure", u"",
       u"; /", u"Structure XML_MAIN", u"\tp.XML_P", u"EndStructure"});
  // p and P have the same lower-cased path, so their children count as one run.
  EXPECT_DECLARES(u"<r><p><x><i/></x></p><P><x><i/></x></P></r>",
                  {u"", u"; /r/P/x", u"Structure XML_X",    u"\ti.s     ; []", u"EndStructure",
                   u"", u"; /r/P",   u"Structure XML_P",    u"\tx.XML_X ; []", u"EndStructure",
                   u"", u"; /r",     u"Structure XML_R",    u"\tP.XML_P ; []", u"EndStructure",
                   u"", u"; /",      u"Structure XML_MAIN", u"\tr.XML_R",      u"EndStructure"});
}

TEST_F(Declarations, NonAsciiNamesAreUpperCasedInStructureNames) {
  EXPECT_DECLARES(u"<\u00e4><p:\u00f6>1</p:\u00f6></\u00e4>",
                  {u"", u"; /\u00e4", u"Structure XML_\u00c4", u"\tp:\u00f6.q", u"EndStructure",
                   u"", u"; /", u"Structure XML_MAIN", u"\t\u00e4.XML_\u00c4", u"EndStructure"});
}

// A sink takes the text in whole lines, in pieces far smaller than the text, and a refused
// piece is the last one offered.
TEST_F(Declarations, ASinkTakesBoundedPiecesOfWholeLinesUntilItRefuses) {
  std::u16string xml;
  for (int level = 0; level < 200; ++level) xml += u"<" + std::u16string(300, u'a') + u">";
  DeclarationGenerator generator;
  generator.feed(xml);
  generator.end_document();
  std::u16string text = generator.declarations();
  std::vector<std::u16string> pieces;
  EXPECT_TRUE(generator.declarations({}, [&pieces](std::u16string_view lines) {
    pieces.emplace_back(lines);
    return true;
  }));
  std::u16string joined;
  for (const std::u16string& piece : pieces) {
    EXPECT_LT(piece.size(), text.size() / 8);
    EXPECT_EQ(piece.substr(piece.size() - 2), u"\r\n");
    joined += piece;
  }
  EXPECT_EQ(joined, text);
  int offered = 0;
  EXPECT_FALSE(generator.declarations({}, [&offered](std::u16string_view) {
    ++offered;
    return false;
  }));
  EXPECT_EQ(offered, 1);
}

}  // namespace
}  // namespace ambrel
