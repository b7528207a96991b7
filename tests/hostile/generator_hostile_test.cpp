// The generator on documents built to hurt: depth, width, long names, entity tricks,
// broken UTF-16 and documents cut anywhere. Every one is declared as far as it is
// well-formed, in the usual shape, without recursion over the document.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "whole_text_generator.h"
#include "declarations_check.h"
#include "hostile_text.h"
#include "small_stack.h"

namespace ambrel {
namespace {

// The generator needs no services started.
using GeneratorHostileTest = ::testing::Test;

std::u16string nested(std::size_t depth, bool closed) {
  return repeated(u"<e>", depth) + u"1" + (closed ? repeated(u"</e>", depth) : u"");
}

TEST_F(GeneratorHostileTest, DeepNestingIsDeclaredOnASmallStackAndCutNestingAlike) {
  constexpr std::size_t kDepth = 3000;
  std::u16string closed, cut;
  // 256 KB leaves under 90 bytes a level: any recursion over the depth overflows.
  ASSERT_TRUE(run_on_small_stack(256 * 1024, [&] {
    closed = generate_declarations(nested(kDepth, true));
    cut = generate_declarations(nested(kDepth, false));
  }));
  EXPECT_TRUE(well_formed(closed));
  // Every level but the innermost (a leaf) is a structure, plus XML_MAIN.
  EXPECT_EQ(lines_starting_with(closed, u"Structure "), kDepth);
  // Deepest first: the first block is the innermost structure.
  EXPECT_EQ(closed.substr(0, 2 + 2 + 2 * (kDepth - 1)), u"\r\n; " + repeated(u"/e", kDepth - 1));
  EXPECT_EQ(cut, closed);
}

TEST_F(GeneratorHostileTest, AMillionSiblingsAreOneListField) {
  std::u16string declarations =
      generate_declarations(u"<r>" + repeated(u"<i>7</i>", 1000000) + u"</r>");
  std::u16string expected =
      u"\r\n; /r\r\nStructure XML_R\r\n\ti.q     ; []\r\nEndStructure\r\n"
      u"\r\n; /\r\nStructure XML_MAIN\r\n\tr.XML_R\r\nEndStructure\r\n";
  EXPECT_EQ(declarations, expected);
}

TEST_F(GeneratorHostileTest, AHundredThousandChildKindsComeOutInCodeUnitOrder) {
  constexpr int kKinds = 100000;
  std::u16string document = u"<r>";
  for (int i = kKinds - 1; i >= 0; --i)
    document += u"<n" + utf8_to_utf16(std::to_string(i)) + u"/>";
  std::u16string declarations = generate_declarations(document + u"</r>");
  ASSERT_TRUE(well_formed(declarations));
  std::vector<std::u16string> fields;
  std::size_t at = 0;
  while ((at = declarations.find(u"\r\n\tn", at)) != std::u16string::npos) {
    at += 3;
    fields.push_back(declarations.substr(at, declarations.find(u'.', at) - at));
  }
  ASSERT_EQ(fields.size(), static_cast<std::size_t>(kKinds));
  EXPECT_TRUE(std::is_sorted(fields.begin(), fields.end()));
  // The widest field sets the column: "n99999" + ".s" is 8 units, so "n0.s" gets 4 blanks
  // before nothing (no comment) and the line ends right after its type.
  EXPECT_NE(declarations.find(u"\r\n\tn0.s\r\n"), std::u16string::npos);
}

TEST_F(GeneratorHostileTest, HugeAttributeSetsAreListedOnceEach) {
  constexpr int kNames = 50000;
  std::u16string start = u"<r>";
  std::u16string tag = u"<i";
  for (int i = 0; i < kNames; ++i) tag += u" a" + utf8_to_utf16(std::to_string(i)) + u"='1'";
  // The same names again in upper case on a second instance fold into the same set.
  std::u16string upper_tag = u"<i";
  for (int i = 0; i < kNames; ++i) upper_tag += u" A" + utf8_to_utf16(std::to_string(i)) + u"='1'";
  std::u16string declarations = generate_declarations(start + tag + u"/>" + upper_tag + u"/></r>");
  ASSERT_TRUE(well_formed(declarations));
  std::size_t list = declarations.find(u"attributes: ");
  ASSERT_NE(list, std::u16string::npos);
  std::u16string names =
      declarations.substr(list + 12, declarations.find(u"\r\n", list) - list - 12);
  std::vector<std::u16string> each;
  for (std::size_t from = 0, comma; from <= names.size(); from = comma + 1) {
    comma = std::min(names.find(u',', from), names.size());
    each.push_back(names.substr(from, comma - from));
  }
  EXPECT_EQ(each.size(), static_cast<std::size_t>(kNames));
  std::sort(each.begin(), each.end());
  EXPECT_EQ(std::adjacent_find(each.begin(), each.end()), each.end());
}

TEST_F(GeneratorHostileTest, MegabyteNamesAndTenMegabyteTextsKeepTheirColumnsAndTypes) {
  const std::u16string name = repeated(u"n", 1000000);
  std::u16string declarations = generate_declarations(u"<r><" + name + u"><x/></" + name + u"><v>" +
                                                      repeated(u"9", 10000000) + u".5</v></r>");
  ASSERT_TRUE(well_formed(declarations));
  EXPECT_NE(declarations.find(u"Structure XML_" + repeated(u"N", 1000000) + u"\r\n"),
            std::u16string::npos);
  // Field lines are padded to the long name's column only when they carry a comment.
  EXPECT_NE(declarations.find(u"\r\n\t" + name + u".XML_" + repeated(u"N", 1000000) + u"\r\n"),
            std::u16string::npos);
  EXPECT_NE(declarations.find(u"\r\n\tv.f\r\n"), std::u16string::npos);
}

TEST_F(GeneratorHostileTest, EntityTricksNeitherAmplifyNorReadFiles) {
  std::u16string laughs = u"<!DOCTYPE r [<!ENTITY l0 'ha'>";
  for (int i = 1; i <= 9; ++i) {
    std::u16string previous = u"&l" + utf8_to_utf16(std::to_string(i - 1)) + u";";
    laughs +=
        u"<!ENTITY l" + utf8_to_utf16(std::to_string(i)) + u" '" + repeated(previous, 10) + u"'>";
  }
  laughs +=
      u"<!ENTITY file SYSTEM 'file:///etc/passwd'><!ENTITY % p SYSTEM 'file:///etc/passwd'>%p;]>";
  // In content the references stay as written: a text, not a billion of them.
  std::u16string in_content = generate_declarations(laughs + u"<r><a>&l9;</a><b>&file;</b></r>");
  EXPECT_EQ(in_content,
            u"\r\n; /r\r\nStructure XML_R\r\n\ta.s\r\n\tb.s\r\nEndStructure\r\n"
            u"\r\n; /\r\nStructure XML_MAIN\r\n\tr.XML_R\r\nEndStructure\r\n");
  // In an attribute the parser expands and stops the amplification: what came before
  // the fault is declared, nothing after it.
  std::u16string in_attribute = generate_declarations(laughs + u"<r><a>1</a><b v='&l9;'/><c/></r>");
  EXPECT_TRUE(well_formed(in_attribute));
  EXPECT_NE(in_attribute.find(u"\ta.q"), std::u16string::npos);
  EXPECT_EQ(in_attribute.find(u"\tc."), std::u16string::npos);
  EXPECT_LT(in_attribute.size(), 1000u);
}

TEST_F(GeneratorHostileTest, LoneSurrogatesAreTextButEndTheDocumentInNames) {
  for (const std::u16string& bad : {std::u16string(1, u'\xD800'), std::u16string(1, u'\xDC00'),
                                    std::u16string(u"\xDC00\xD800")}) {
    // In character data: one U+FFFD each, a text like any other.
    std::u16string in_text = generate_declarations(u"<r><a>1</a><b>" + bad + u"</b><c/></r>");
    EXPECT_EQ(in_text,
              u"\r\n; /r\r\nStructure XML_R\r\n\ta.q\r\n\tb.s\r\n\tc.s\r\nEndStructure\r\n"
              u"\r\n; /\r\nStructure XML_MAIN\r\n\tr.XML_R\r\nEndStructure\r\n")
        << shown_units(in_text);
    // In a name or after the document: no name character, so what came before is declared.
    for (const std::u16string& document :
         {u"<r><a>1</a><b" + bad + u"/><c/></r>", u"<r><a>1</a><b x" + bad + u"='1'/><c/></r>",
          u"<r><a>1</a><c/></r>" + bad}) {
      std::u16string declarations = generate_declarations(document);
      EXPECT_TRUE(well_formed(declarations)) << shown_units(document);
      EXPECT_NE(declarations.find(u"\ta.q"), std::u16string::npos) << shown_units(document);
      EXPECT_EQ(declarations.find(u"\tb."), std::u16string::npos) << shown_units(document);
    }
  }
  // A pair is one character of text, not a digit.
  EXPECT_NE(generate_declarations(u"<r><a>\U00010437</a></r>").find(u"\ta.s"),
            std::u16string::npos);
}

TEST_F(GeneratorHostileTest, EveryCutOfARichDocumentIsDeclaredInShape) {
  const std::u16string document =
      u"\xFEFF<?xml version='1.0'?>\r\n<!DOCTYPE cat [<!ENTITY e 'v'><!ATTLIST item kind CDATA "
      u"'part'>]>\r\n"
      u"<!-- prolog --><cat xmlns:p='u' p:v='2'>\r\n <item id='1'><name>Bolt "
      u"&e;</name><price>1,5</price>"
      u"<tags><t>a</t><t>b</t></tags></item>\r\n <item id='2'><name><![CDATA[Nut <M4>]]></name>"
      u"<price>-2</price><?pi x?><tags/></item>\r\n <Item "
      u"ID='3'><name/><price>\U0001F600</price></Item>"
      u"</cat>\r\n<!-- epilog -->";
  const std::u16string whole = generate_declarations(document);
  ASSERT_TRUE(well_formed(whole));
  const std::size_t complete = document.find(u"</cat>") + 6;
  for (std::size_t length = 0; length <= document.size(); ++length) {
    std::u16string cut = generate_declarations(std::u16string_view(document).substr(0, length));
    ASSERT_TRUE(well_formed(cut)) << length;
    if (length >= complete) {
      EXPECT_EQ(cut, whole) << length;
    }
  }
}

}  // namespace
}  // namespace ambrel
