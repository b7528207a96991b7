// The declarations filed from the parser's events against those of the tree walk over
// the parsed document and of the literal reference walk, and the same text handed over
// in pieces of every size.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "generator/catalogue.h"
#include "generator/declaration_generator.h"
#include "generator/declarations.h"
#include "tree_catalogue.h"
#include "whole_text_generator.h"
#include "generator_test_support.h"
#include "literal_generator.h"
#include "random_document.h"
#include "support/object_registry.h"
#include "xml/document_parse.h"

namespace ambrel {
namespace {

// What the parse into a document and the tree walk give.
GeneratedDeclarations from_tree(std::u16string_view text) {
  int document = xml_parse_text(kAnyNumber, text);
  EXPECT_NE(document, 0);
  ElementCatalogue catalogue;
  catalogue_elements(xml_main_node(document), catalogue);
  GeneratedDeclarations result{print_declarations(catalogue), {}};
  result.parse_result.xml = xml_parse_result(document);
  xml_free_document(document);
  return result;
}

// `text` fed in pieces whose sizes `next_size` chooses.
template <class NextSize>
GeneratedDeclarations in_pieces(std::u16string_view text, NextSize next_size) {
  DeclarationGenerator generator;
  while (!text.empty()) {
    std::size_t size = std::min(text.size(), next_size());
    generator.feed(text.substr(0, size));
    text.remove_prefix(size);
  }
  return finish_generation(generator);
}

GeneratedDeclarations in_pieces_of(std::u16string_view text, std::size_t size) {
  return in_pieces(text, [size] { return size; });
}

std::string described(const GeneratedDeclarations& result) {
  std::ostringstream out;
  const XmlParseResult& parse = result.parse_result.xml;
  out << "status " << static_cast<int>(parse.status) << " at " << parse.line << ":" << parse.column
      << " (" << (parse.description() != nullptr ? shown(parse.description()) : "no message")
      << ")\n"
      << shown(result.text);
  return out.str();
}

#define EXPECT_SAME_RESULT(actual, expected, context) \
  EXPECT_EQ(described(actual), described(expected)) << (context)

class EventCatalogue : public GeneratorTest {
 protected:
  // Every way of producing the declarations of `text` agrees.
  void expect_all_agree(std::u16string_view text, const std::string& context,
                        bool with_literal = true) {
    GeneratedDeclarations tree = from_tree(text);
    EXPECT_SAME_RESULT(generate_declarations_with_status(text), tree, context + " whole");
    if (with_literal) {
      EXPECT_EQ(shown(tree.text), shown(literal_declarations(text))) << context;
    }
  }
};

// Texts with what a plain random document lacks, each also cut at every position.
const std::u16string kRealDocuments[] = {
    u"<?xml version=\"1.0\"?>\r\n<!DOCTYPE shop [\r\n  <!ENTITY cur \"EUR\">\r\n"
    u"  <!ATTLIST item state CDATA \"new\">\r\n]>\r\n<shop>\r\n  <!-- stock -->\r\n"
    u"  <item id=\"1\"><name>Bolt \U0001F529</name><price>1.5</price><unit>&cur;</unit></item>\r\n"
    u"  <item id=\"2\" state=\"used\"><name>Nut</name><price>2</price><unit>&#69;</unit></item>\n"
    u"  <Item><note><![CDATA[<raw>]]></note><tag><?keep me?></tag><memo><!--only--></memo></Item>\r"
    u"  <empty/><lines>1\r\n2\r3\n</lines>\r\n</shop>\r\n<!-- after -->",
    u"<r a=\"1\" b='2'><x>\U00010400</x><x>-1</x><y>1,5</y><y>1.2.3</y><z>&amp;</z><z/>"
    u"<deep><deeper><deepest>7</deepest></deeper></deep></r>",
};

TEST_F(EventCatalogue, RandomDocumentsAgreeWithTheTreeAndTheLiteralWalk) {
  std::mt19937 sizes(7);
  int malformed = 0;
  for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
    std::u16string document = RandomDocument(seed, true).make();
    std::string context = "seed " + std::to_string(seed) + ": " + shown(document);
    expect_all_agree(document, context);
    GeneratedDeclarations whole = generate_declarations_with_status(document);
    auto random_size = [&] { return std::uniform_int_distribution<std::size_t>(1, 9)(sizes); };
    EXPECT_SAME_RESULT(in_pieces(document, random_size), whole, context + " in random pieces");
    if (!whole.parse_result.xml.ok()) ++malformed;
    if (HasFailure()) return;
  }
  EXPECT_GT(malformed, 300);  // faults of many kinds are part of the mix
  EXPECT_LT(malformed, 2700);
}

TEST_F(EventCatalogue, EveryTruncationOfRealDocumentsAgrees) {
  for (const std::u16string& document : kRealDocuments) {
    for (std::size_t length = 0; length <= document.size(); ++length) {
      std::u16string_view cut(document.data(), length);
      expect_all_agree(cut, "cut at " + std::to_string(length) + ": " + shown(cut));
      if (HasFailure()) return;
    }
  }
}

TEST_F(EventCatalogue, PieceSizesDoNotChangeTheResult) {
  for (const std::u16string& document : kRealDocuments) {
    GeneratedDeclarations whole = generate_declarations_with_status(document);
    EXPECT_NE(whole.text, u"");
    for (std::size_t size : {1, 2, 3, 7, 4096}) {
      EXPECT_SAME_RESULT(in_pieces_of(document, size), whole, "pieces of " + std::to_string(size));
    }
  }
  // A fault found in a late piece reports the position within the whole text.
  std::u16string broken = u"<r>\n<a>1</a>\n<b></a>\n</r>";
  GeneratedDeclarations expected = from_tree(broken);
  EXPECT_EQ(expected.parse_result.xml.status, XmlStatus::mismatched_tag);  // mismatched tag
  for (std::size_t size : {1, 2, 5, 100})
    EXPECT_SAME_RESULT(in_pieces_of(broken, size), expected, "broken");
}

// The parser counts lines per piece it is handed, so a CR LF split between two pieces
// would count as two lines in a later fault's position.
TEST_F(EventCatalogue, LineBreaksSplitBetweenPiecesCountOnce) {
  struct Case {
    std::u16string text;
    int fault_line;
  };
  for (const Case& c :
       {Case{u"<?xml version=\"1.0\"?>\r\n\r\n<r>\r\n<a>1</a>\r\n</r>\r\n\r\n<!", 7},
        Case{u"<r>\r\n<a>1</a>\r\n\r\n<b>\r\n</a></r>", 5}}) {
    const std::u16string& text = c.text;
    GeneratedDeclarations whole = from_tree(text);
    EXPECT_EQ(whole.parse_result.xml.line, c.fault_line) << shown(text);
    for (std::size_t size : {1, 2, 3, 4, 5}) {
      EXPECT_SAME_RESULT(in_pieces_of(text, size), whole, "pieces of " + std::to_string(size));
      int document = parse_text_in_pieces(kAnyNumber, text, size);
      EXPECT_EQ(xml_parse_result(document).line, whole.parse_result.xml.line)
          << "tree parse in pieces of " << size;
      xml_free_document(document);
    }
  }
}

// Surrogates are read as pairs across piece ends; unpaired ones, also one that ends the
// text, become U+FFFD as in the parse into a document.
TEST_F(EventCatalogue, SurrogatesSplitBetweenPieces) {
  for (std::u16string text :
       {u"<r><a>\U0001F600</a><b>x\xD800</b><c>\xDC00</c></r>", u"<r>\U0001F600</r>\xD83D"}) {
    for (std::size_t size : {1, 2, 3}) {
      EXPECT_SAME_RESULT(in_pieces_of(text, size), from_tree(text),
                         shown(replace_lone_surrogates(text)));
    }
  }
}

TEST_F(EventCatalogue, ChildNodesOtherThanElementsMakeAStructure) {
  for (std::u16string_view only_child :
       {u"<!--c-->", u"<![CDATA[5]]>", u"<?pi 5?>", u"<![CDATA[]]>"}) {
    std::u16string text = u"<r><a>" + std::u16string(only_child) + u"</a><b>5</b></r>";
    std::u16string declarations = generate_declarations(text);
    EXPECT_NE(declarations.find(u"\ta.XML_A\r\n"), std::u16string::npos) << shown(text);
    EXPECT_NE(declarations.find(u"\tb.q\r\n"), std::u16string::npos) << shown(text);
    expect_all_agree(text, shown(text));
  }
}

// References to entities of the internal subset stay in the text as written, so they
// make the value a text; predefined and character references are expanded.
TEST_F(EventCatalogue, EntityReferencesOfTheInternalSubsetStayText) {
  std::u16string text =
      u"<!DOCTYPE r [<!ENTITY n \"5\"><!ATTLIST a d CDATA \"x\">]><r><a>&n;</a><b>&#53;</b></r>";
  std::u16string declarations = generate_declarations(text);
  EXPECT_NE(declarations.find(u"\ta.s     ;    attributes: d\r\n"), std::u16string::npos)
      << shown(declarations);
  EXPECT_NE(declarations.find(u"\tb.q\r\n"), std::u16string::npos) << shown(declarations);
  expect_all_agree(text, shown(text));
}

TEST_F(EventCatalogue, RealFilesUnderUsrShareAgree) {
  namespace fs = std::filesystem;
  if (!fs::is_directory("/usr/share")) GTEST_SKIP() << "no /usr/share";
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  int compared = 0;
  std::error_code error;
  for (fs::recursive_directory_iterator
           it("/usr/share", fs::directory_options::skip_permission_denied, error),
       end;
       it != end && compared < 300 && std::chrono::steady_clock::now() < deadline;
       it.increment(error)) {
    if (error) break;
    const fs::path& path = it->path();
    if (path.extension() != ".xml" || !it->is_regular_file(error) ||
        it->file_size(error) > (1u << 20))
      continue;
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::u16string text = utf8_to_utf16(bytes);
    expect_all_agree(text, path.string(), text.size() < 20000);
    EXPECT_SAME_RESULT(in_pieces_of(text, 4093), generate_declarations_with_status(text),
                       path.string());
    if (HasFailure()) return;
    ++compared;
  }
  if (compared == 0) GTEST_SKIP() << "no XML files under /usr/share";
  RecordProperty("files", compared);
}

}  // namespace

// Needs no start-up of the XML library: runs outside the fixture that starts it.
TEST(DeclarationGenerator, NeedsNoLibraryStartUp) {
  GeneratedDeclarations result = generate_declarations_with_status(u"<a><b>1</b>");
  EXPECT_EQ(shown(result.text),
            shown(lines({u"", u"; /a", u"Structure XML_A", u"\tb.q", u"EndStructure", u"", u"; /",
                         u"Structure XML_MAIN", u"\ta.XML_A", u"EndStructure"})));
  EXPECT_EQ(result.parse_result.xml.status,
            XmlStatus::no_element);  // no element found: the end tag is missing
  EXPECT_EQ(result.parse_result.xml.line, 1);
  EXPECT_EQ(result.parse_result.xml.column, 12);
  EXPECT_EQ(shown(result.parse_result.xml.description()), "no element found");
  GeneratedDeclarations well_formed = generate_declarations_with_status(u"<a/>");
  EXPECT_EQ(well_formed.parse_result.xml.status, XmlStatus::ok);
  EXPECT_EQ(well_formed.parse_result.xml.description(), nullptr);
}

}  // namespace ambrel
