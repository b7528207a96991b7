// Several documents filed into one catalogue: what gathers over them and what the last
// document decides.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/declaration_generator.h"
#include "whole_text_generator.h"
#include "generator_test_support.h"
#include "random_document.h"

namespace ambrel {
namespace {

// The declarations of `documents` merged, with the status of each.
struct Merged {
  std::u16string text;
  std::vector<int> statuses;
};

Merged merged(const std::vector<std::u16string>& documents) {
  DeclarationGenerator generator;
  Merged result;
  for (const std::u16string& document : documents) {
    generator.feed(document);
    result.statuses.push_back(static_cast<int>(generator.end_document().xml.status));
  }
  result.text = generator.declarations();
  return result;
}

std::string merged_text(const std::vector<std::u16string>& documents) {
  return shown(merged(documents).text);
}

TEST(Merge, OneDocumentAndCopiesOfItDeclareTheSame) {
  const std::u16string document = u"<r><g a=\"1\"><i>1</i><i>2,5</i></g><g><i>x</i></g></r>";
  std::string alone = shown(generate_declarations(document));
  EXPECT_EQ(merged_text({document}), alone);
  // The root is no list although every file has it, and g's last instance still decides.
  EXPECT_EQ(merged_text({document, document}), alone);
  EXPECT_EQ(merged_text({document, document, document}), alone);
}

TEST(Merge, ComplementarySamplesGiveTheUnion) {
  std::u16string first = u"<shop><item id=\"1\"><qty>2</qty></item></shop>";
  std::u16string second =
      u"<shop><item code=\"x\"><price>1.5</price><qty>3</qty></item><note>n</note></shop>";
  std::string expected = shown(
      lines({u"", u"; /shop/item", u"; attributes: id,code", u"Structure XML_ITEM", u"\tprice.f",
             u"\tqty.q", u"EndStructure", u"", u"; /shop", u"Structure XML_SHOP",
             u"\titem.XML_ITEM ;    attributes: id,code", u"\tnote.s", u"EndStructure", u"", u"; /",
             u"Structure XML_MAIN", u"\tshop.XML_SHOP", u"EndStructure"}));
  EXPECT_EQ(merged_text({first, second}), expected);
  EXPECT_EQ(merged_text({second, first}), expected);
}

TEST(Merge, TypesWidenOverDocuments) {
  EXPECT_EQ(merged_text({u"<v>1</v>", u"<v>2</v>"}), shown(generate_declarations(u"<v>1</v>")));
  EXPECT_EQ(merged_text({u"<v>1</v>", u"<v>2.5</v>"}), shown(generate_declarations(u"<v>2.5</v>")));
  EXPECT_EQ(merged_text({u"<v>x</v>", u"<v>2.5</v>"}), shown(generate_declarations(u"<v>x</v>")));
}

TEST(Merge, AKindThatIsALeafInOneSampleAndAStructureInAnother) {
  std::string expected =
      shown(lines({u"", u"; /r/a", u"Structure XML_A", u"\tb.q", u"EndStructure", u"", u"; /r",
                   u"Structure XML_R", u"\ta.q", u"EndStructure", u"", u"; /",
                   u"Structure XML_MAIN", u"\tr.XML_R", u"EndStructure"}));
  // The text of the childless instance makes it a typed leaf field; its children still get a block.
  EXPECT_EQ(merged_text({u"<r><a>1</a></r>", u"<r><a><b>2</b></a></r>"}), expected);
  EXPECT_EQ(merged_text({u"<r><a><b>2</b></a></r>", u"<r><a>1</a></r>"}), expected);
}

TEST(Merge, AttributeNamesKeepTheSetOrderWhateverTheDocumentOrder) {
  std::string expected = shown(lines(
      {u"; /", u"Structure XML_MAIN", u"\titem.s ;    attributes: id,type,name", u"EndStructure"}));
  EXPECT_EQ(merged_text({u"<item name=\"a\"/>", u"<item id=\"1\" type=\"t\"/>"}), expected);
  EXPECT_EQ(merged_text({u"<item type=\"t\" id=\"1\"/>", u"<item NAME=\"a\"/>"}), expected);
}

TEST(Merge, AListInAnyDocumentStaysAList) {
  std::u16string listed = u"<r><i>1</i><i>2</i></r>";
  std::u16string single = u"<r><i>1</i></r>";
  std::string expected = shown(generate_declarations(listed));
  EXPECT_NE(expected.find("[]"), std::string::npos);
  EXPECT_EQ(merged_text({listed, single}), expected);
  EXPECT_EQ(merged_text({single, listed}), expected);
  EXPECT_EQ(merged_text({single, single}), shown(generate_declarations(single)));
}

TEST(Merge, TheLastDocumentThatHasAKindNamesItAndMarksItsPath) {
  std::u16string first = u"<Root><G><I>1</I></G><G><I>2</I></G><old/></Root>";
  std::u16string second = u"<root><g><i>3</i></g></root>";
  std::string text = merged_text({first, second, u"<root><other/></root>"});
  EXPECT_NE(text.find("; /root/g\r\nStructure XML_G\r\n\ti.q\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\tg.XML_G"), std::string::npos) << text;
  EXPECT_NE(text.find("\told.s"), std::string::npos) << text;  // kinds of earlier documents stay
  EXPECT_NE(text.find("\tother.s"), std::string::npos) << text;
  EXPECT_EQ(text.find("Root"), std::string::npos) << text;
}

TEST(Merge, AMalformedDocumentContributesWhatWasParsedAndTheNextStartsAfresh) {
  Merged result = merged({u"<r><a>1</a><b", u"<r><c>2</c></r>", u"", u"<x/>"});
  EXPECT_EQ(result.statuses, (std::vector<int>{5, 0, 3, 0}));  // unclosed token, -, no element, -
  EXPECT_EQ(shown(result.text),
            shown(lines({u"", u"; /r", u"Structure XML_R", u"\ta.q", u"\tc.q", u"EndStructure", u"",
                         u"; /", u"Structure XML_MAIN", u"\tr.XML_R", u"\tx.s", u"EndStructure"})));
}

// Two copies of a document declare what it declares alone, malformed or not.
TEST(Merge, RandomDocumentsTwiceDeclareWhatTheyDeclareOnce) {
  for (std::uint32_t seed = 1; seed <= 1500; ++seed) {
    std::u16string document = RandomDocument(seed, seed % 2 == 0).make();
    ASSERT_EQ(merged_text({document, document}), shown(generate_declarations(document)))
        << shown(document);
  }
}

}  // namespace
}  // namespace ambrel
