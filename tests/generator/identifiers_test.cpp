// Declarations whose names a compiler takes: valid identifiers, distinct structures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "generator/declaration_generator.h"
#include "whole_text_generator.h"
#include "generator/identifiers.h"
#include "generator_test_support.h"
#include "random_document.h"
#include "support/text_loading.h"

namespace ambrel {
namespace {

std::string with_identifiers(std::u16string_view text) {
  DeclarationGenerator generator;
  generator.feed(text);
  generator.end_document();
  return shown(generator.declarations({true, false}));
}

std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool is_identifier(const std::string& name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  return true;
}

// What a compiler would object to in `declarations`; empty when nothing.
std::string identifier_faults(const std::string& declarations) {
  std::set<std::string> structures;
  std::vector<std::string> referenced;
  std::set<std::string> fields;  // of the current structure
  std::istringstream lines(declarations);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Structure", 0) == 0) {
      std::string name = line.substr(std::min(line.size(), std::size_t{10}));
      if (line.rfind("Structure ", 0) != 0 || !is_identifier(name)) return "structure: " + line;
      if (!structures.insert(upper(name)).second) return "second structure " + name;
      fields.clear();
    } else if (line.rfind("\t", 0) == 0) {
      std::string declared = line.substr(
          1, line.find(' ') == std::string::npos ? std::string::npos : line.find(' ') - 1);
      std::size_t dot = declared.find('.');
      if (dot == std::string::npos) return "field: " + line;
      std::string name = declared.substr(0, dot);
      std::string type = declared.substr(dot + 1);
      if (!is_identifier(name) || !is_identifier(type)) return "field: " + line;
      if (!fields.insert(upper(name)).second) return "second field " + name;
      if (type.size() > 1) referenced.push_back(upper(type));
    }
  }
  for (const std::string& name : referenced) {
    if (structures.count(name) == 0) return "no structure " + name;
  }
  return {};
}

TEST(Identifiers, OtherCharactersBecomeUnderscores) {
  EXPECT_EQ(shown(identifier_of(u"xsl:template")), "xsl_template");
  EXPECT_EQ(shown(identifier_of(u"sub-class-of")), "sub_class_of");
  EXPECT_EQ(shown(identifier_of(u"XML_MIME-TYPE.v2")), "XML_MIME_TYPE_v2");
  EXPECT_EQ(shown(identifier_of(u"Stra\u00dfe")), "Stra_e");
  EXPECT_EQ(shown(identifier_of(u"a\U0001F600b")), "a_b");  // one character, one "_"
  EXPECT_EQ(shown(identifier_of(u"\u0661x")), "_x");
  EXPECT_EQ(shown(identifier_of(u"9lives")), "_9lives");
  EXPECT_EQ(shown(identifier_of(u"plain_Name1")), "plain_Name1");
}

TEST(Identifiers, NameScopeNumbersNamesTakenIgnoringCase) {
  NameScope scope;
  EXPECT_EQ(shown(scope.take(u"a_b")), "a_b");
  EXPECT_EQ(shown(scope.take(u"A_B")), "A_B_2");
  EXPECT_EQ(shown(scope.take(u"a_b_2")), "a_b_2_2");
  EXPECT_EQ(shown(scope.take(u"a_b")), "a_b_3");
  // A number taken in its own right is passed over, now and later.
  EXPECT_EQ(shown(scope.take(u"c_3")), "c_3");
  EXPECT_EQ(shown(scope.take(u"c")), "c");
  EXPECT_EQ(shown(scope.take(u"c")), "c_2");
  EXPECT_EQ(shown(scope.take(u"C")), "C_4");
  EXPECT_EQ(shown(scope.take(u"c")), "c_5");
}

TEST(Identifiers, NamesAreMadeValidAndTheOriginalsStayInTheComments) {
  EXPECT_EQ(
      with_identifiers(u"<xsl:stylesheet xmlns:xsl=\"u\"><xsl:template match=\"/\">t</xsl:template>"
                       u"<cc:Work xmlns:cc=\"w\"><sub-class-of/></cc:Work></xsl:stylesheet>"),
      shown(lines(
          {u"", u"; /xsl:stylesheet/cc:Work", u"; attributes: xmlns:cc", u"Structure XML_CC_WORK",
           u"\tsub_class_of.s                    ;    name: sub-class-of", u"EndStructure", u"",
           u"; /xsl:stylesheet", u"; attributes: xmlns:xsl", u"Structure XML_XSL_STYLESHEET",
           u"\tcc_Work.XML_CC_WORK               ;    name: cc:Work attributes: xmlns:cc",
           u"\txsl_template.s                    ;    name: xsl:template attributes: match",
           u"EndStructure", u"", u"; /", u"Structure XML_MAIN",
           u"\txsl_stylesheet.XML_XSL_STYLESHEET ;    name: xsl:stylesheet attributes: xmlns:xsl",
           u"EndStructure"})));
}

TEST(Identifiers, StructuresOfOneNameInSeveralPlacesAreNamedFromTheirPath) {
  std::string text =
      with_identifiers(u"<r><a><item><x>1</x></item></a><b><item><y>2</y></item></b></r>");
  EXPECT_EQ(text, shown(lines({u"",
                               u"; /r/b/item",
                               u"Structure XML_B_ITEM",
                               u"\ty.q",
                               u"EndStructure",
                               u"",
                               u"; /r/b",
                               u"Structure XML_B",
                               u"\titem.XML_B_ITEM",
                               u"EndStructure",
                               u"",
                               u"; /r/a/item",
                               u"Structure XML_A_ITEM",
                               u"\tx.q",
                               u"EndStructure",
                               u"",
                               u"; /r/a",
                               u"Structure XML_A",
                               u"\titem.XML_A_ITEM",
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
                               u"EndStructure"})));
}

TEST(Identifiers, CollisionsAfterMappingCaseOrWithTheTopAreResolved) {
  // "a-b" and "a.b" map to one name; "main" would be the top structure's.
  for (std::u16string_view text :
       {u"<r><a-b><x>1</x></a-b><a.b><y>1</y></a.b><A_B>3</A_B></r>",
        u"<main><x><y>1</y></x></main>",
        u"<r><p><q><s><t><u><k><v>1</v></k></u></t></s></q></p><P2><q><s><t><u><k><w>1</w></k></"
        u"u></t></s></q></P2></r>",
        u"<a><a><a><a><a><a><a><a><a><a>1</a></a></a></a></a></a></a></a></a></a>"}) {
    std::string declarations = with_identifiers(text);
    EXPECT_EQ(identifier_faults(declarations), "") << declarations;
  }
  std::string top = with_identifiers(u"<main><x>1</x></main>");
  EXPECT_NE(top.find("Structure XML_MAIN_2\r\n"), std::string::npos) << top;
  EXPECT_NE(top.find("\tmain.XML_MAIN_2\r\n"), std::string::npos) << top;
}

TEST(Identifiers, RandomDocumentsGiveValidDistinctNamesAndOnlyTheNamesChange) {
  for (std::uint32_t seed = 1; seed <= 1500; ++seed) {
    std::u16string document = RandomDocument(seed, seed % 2 == 0).make();
    std::string plain = shown(generate_declarations_with_status(document).text);
    std::string valid = with_identifiers(document);
    ASSERT_EQ(identifier_faults(valid), "") << shown(document) << "\n" << valid;
    // The same blocks with the same path comments, line for line.
    std::istringstream plain_lines(plain), valid_lines(valid);
    std::string a, b;
    while (std::getline(plain_lines, a)) {
      ASSERT_TRUE(std::getline(valid_lines, b)) << valid;
      if (a.rfind("; ", 0) == 0 || a.empty() || a.rfind("End", 0) == 0) {
        ASSERT_EQ(a, b) << valid;
      }
    }
    ASSERT_FALSE(std::getline(valid_lines, b)) << valid;
  }
}

TEST(Identifiers, LineFeedsAlone) {
  DeclarationGenerator generator;
  generator.feed(u"<a><b>1</b><b/></a>");
  generator.end_document();
  std::u16string crlf = generator.declarations();
  std::u16string lf = generator.declarations({false, true});
  std::u16string expected;
  for (char16_t unit : crlf) {
    if (unit != u'\r') expected += unit;
  }
  EXPECT_EQ(shown(lf), shown(expected));
  EXPECT_NE(crlf, lf);
}

// Every real XML file: names a compiler takes, and the same names on every run.
TEST(Identifiers, RealFilesUnderUsrShareGiveValidStableNames) {
  namespace fs = std::filesystem;
  if (!fs::is_directory("/usr/share")) GTEST_SKIP() << "no /usr/share";
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  int checked = 0;
  std::error_code error;
  for (fs::recursive_directory_iterator
           it("/usr/share", fs::directory_options::skip_permission_denied, error),
       end;
       it != end && std::chrono::steady_clock::now() < deadline; it.increment(error)) {
    if (error) break;
    if (it->path().extension() != ".xml" || !it->is_regular_file(error)) continue;
    LoadedText loaded = load_text_file(it->path().native());
    if (loaded.error != 0 || loaded.text.empty()) continue;
    std::string first = with_identifiers(loaded.text);
    ASSERT_EQ(identifier_faults(first), "") << it->path() << "\n" << first;
    ASSERT_EQ(with_identifiers(loaded.text), first) << it->path();
    ++checked;
  }
  if (checked == 0) GTEST_SKIP() << "no XML files under /usr/share";
  RecordProperty("files", checked);
}

}  // namespace
}  // namespace ambrel
