#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xml/document_parse.h"
#include "xml/xml_document.h"
#include "xml_navigation.h"
#include "xml_test_support.h"

namespace ambrel {
namespace {

using BadInputTest = XmlTest;

// The whole tree as text, built with an explicit stack; also checks that every link
// agrees with its counterpart.
std::u16string dump(const XmlNode* root) {
  std::u16string out;
  std::vector<const XmlNode*> pending{root};
  while (!pending.empty()) {
    const XmlNode* node = pending.back();
    pending.pop_back();
    // Appended piece by piece: a character plus a temporary text inserts at its front,
    // which GCC 12's -Wrestrict misreads as an overlapping copy at -O3.
    out += u'(';
    out += static_cast<char16_t>(u'0' + xml_node_kind(node));
    out += xml_node_name(node);
    out += u'|';
    out += xml_node_text(node);
    for (int i = 0; i < 2 * node->attribute_count; ++i) {
      out += u'|';
      out += node->attributes[i];
    }
    out += u')';
    std::vector<const XmlNode*> children;
    const XmlNode* previous = nullptr;
    for (const XmlNode* child = node->first_child; child != nullptr; child = child->next_sibling) {
      EXPECT_EQ(child->parent, node);
      EXPECT_EQ(child->previous_sibling, previous);
      previous = child;
      children.push_back(child);
    }
    pending.insert(pending.end(), children.rbegin(), children.rend());
  }
  return out;
}

const std::u16string kEveryKind =
    u"<?xml version='1.0'?>\r\n<!DOCTYPE r [<!ENTITY e 'v'><!--in-->]>\r\n"
    u"<r a='1' b=\"&#x10437;\"><p:x xmlns:p='u'>t\r\nu&e;&amp;<![CDATA[c<d]]></p:x>"
    u"<?pi data?><!--note--><y/>\U0001F600z</r>\r\n";

TEST_F(BadInputTest, EveryTruncationLeavesALiveConsistentDocument) {
  const std::size_t complete = kEveryKind.rfind(u"</r>") + 4;
  for (std::size_t length = 0; length < kEveryKind.size(); ++length) {
    int handle = parse(std::u16string_view(kEveryKind).substr(0, length));
    ASSERT_NE(xml_is_document(handle), 0) << length;
    EXPECT_EQ(xml_parse_result(handle).ok(), length >= complete) << length;
    dump(root_of(handle));
    xml_free_document(handle);
  }
  EXPECT_EQ(xml_parse_result(parse(kEveryKind)).status, XmlStatus::ok);
}

TEST_F(BadInputTest, ParsingInPiecesBuildsTheSameTree) {
  std::u16string whole = dump(root_of(parse(kEveryKind)));
  for (std::size_t piece = 1; piece <= 17; ++piece) {
    int handle = parse_text_in_pieces(kAnyNumber, kEveryKind, piece);
    EXPECT_EQ(xml_parse_result(handle).status, XmlStatus::ok) << piece;
    EXPECT_EQ(utf8(dump(root_of(handle))), utf8(whole)) << piece;
    xml_free_document(handle);
  }
  int malformed = parse_text_in_pieces(kAnyNumber, u"<a>\n<b>x</a>", 3);
  EXPECT_EQ(xml_parse_result(malformed).status, XmlStatus::mismatched_tag);
  EXPECT_EQ(xml_parse_result(malformed).line, 2);
}

TEST_F(BadInputTest, MillionDeepNestingIsBuiltAndFreedWithoutRecursion) {
  constexpr int kDepth = 1000000;
  std::u16string doc;
  doc.reserve(7 * kDepth + 1);
  for (int i = 0; i < kDepth; ++i) doc += u"<a>";
  doc += u"x";
  for (int i = 0; i < kDepth; ++i) doc += u"</a>";
  int handle = parse(doc);
  ASSERT_EQ(xml_parse_result(handle).status, XmlStatus::ok);
  const XmlNode* node = xml_main_node(handle);
  int depth = 1;
  while (node->first_child != nullptr) {
    node = node->first_child;
    ++depth;
  }
  EXPECT_EQ(depth, kDepth);
  EXPECT_EQ(xml_node_text(node), u"x");
  EXPECT_EQ(xml_node_path(node).size(), 2u * kDepth);
  xml_free_document(handle);
}

TEST_F(BadInputTest, MillionDeepTruncatedNestingStaysLive) {
  constexpr int kDepth = 1000000;
  std::u16string doc;
  for (int i = 0; i < kDepth; ++i) doc += u"<a>y";
  int handle = parse(doc);
  EXPECT_EQ(xml_parse_result(handle).status, XmlStatus::no_element);
  const XmlNode* node = xml_main_node(handle);
  int depth = 1;
  for (; node->first_child != nullptr; node = node->first_child) ++depth;
  EXPECT_EQ(depth, kDepth);
  EXPECT_EQ(xml_node_text(node), u"y");
}

TEST_F(BadInputTest, MillionSiblingsKeepConstantTimeIndices) {
  constexpr int kSiblings = 1000000;
  std::u16string doc = u"<r>";
  for (int i = 0; i < kSiblings; ++i) doc += u"<a/>";
  doc += u"</r>";
  const XmlNode* r = xml_main_node(parse(doc));
  EXPECT_EQ(xml_child_count(r), kSiblings);
  const XmlNode* last = r->first_child;
  while (last->next_sibling != nullptr) last = last->next_sibling;
  EXPECT_EQ(xml_node_path(last), u"/r/a[1000000]");
}

TEST_F(BadInputTest, ManyDistinctSiblingNamesStayFast) {
  constexpr int kNames = 200000;
  std::u16string doc = u"<r>";
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < kNames; ++i) {
      doc += u"<n";
      for (char c : std::to_string(i)) doc += static_cast<char16_t>(c);
      doc += u"/>";
    }
  }
  doc += u"</r>";
  const XmlNode* r = xml_main_node(parse(doc));
  std::u16string last_path;
  int position = 0;
  for (const XmlNode* child = r->first_child; child != nullptr; child = child->next_sibling) {
    std::u16string expected = u"n";
    for (char c : std::to_string(position++ % kNames)) expected += static_cast<char16_t>(c);
    ASSERT_EQ(xml_node_name(child), expected);  // shared stored names never mix up
    last_path = xml_node_path(child);
  }
  EXPECT_EQ(position, 2 * kNames);
  EXPECT_EQ(last_path, u"/r/n199999[2]");
}

TEST_F(BadInputTest, FortyThousandAttributesAreCountedWithoutWrapping) {
  constexpr int kAttributes = 40000;
  std::u16string doc = u"<a";
  for (int i = 0; i < kAttributes; ++i) {
    doc += u" k";
    for (char c : std::to_string(i)) doc += static_cast<char16_t>(c);
    doc += u"='v'";
  }
  doc += u"/>";
  XmlNode* a = xml_main_node(parse(doc));
  ASSERT_EQ(a->attribute_count, kAttributes);
  int seen = 0;
  std::u16string last;
  xml_examine_attributes(a);
  while (xml_next_attribute(a) != 0) {
    ++seen;
    last = xml_attribute_name(a);
  }
  EXPECT_EQ(seen, kAttributes);
  EXPECT_EQ(last, u"k39999");
}

TEST_F(BadInputTest, TwoHundredMegabyteTextIsKeptWhole) {
  constexpr std::size_t kUnits = 100u * 1024 * 1024;
  std::u16string doc = u"<a>";
  doc.append(kUnits, u'x');
  doc += u"</a>";
  int handle = parse(doc);
  doc.clear();
  doc.shrink_to_fit();
  ASSERT_EQ(xml_parse_result(handle).status, XmlStatus::ok);
  std::u16string_view text = xml_main_node(handle)->text;
  EXPECT_EQ(text.size(), kUnits);
  EXPECT_EQ(text.find_first_not_of(u'x'), std::u16string_view::npos);
}

TEST_F(BadInputTest, EntityExpansionInAttributesIsStoppedByTheParser) {
  std::u16string doc = u"<!DOCTYPE r [<!ENTITY l0 'lollollollollollollollollollol'>";
  for (int level = 1; level <= 9; ++level) {
    std::u16string ref = u"&l";
    ref += static_cast<char16_t>(u'0' + level - 1);
    ref += u';';
    doc += u"<!ENTITY l";
    doc += static_cast<char16_t>(u'0' + level);
    doc += u" '";
    for (int i = 0; i < 10; ++i) doc += ref;
    doc += u"'>";
  }
  doc += u"]><r a='&l9;'>&l9;</r>";
  int handle = parse(doc);
  ASSERT_NE(xml_is_document(handle), 0);
  XmlParseResult status = xml_parse_result(handle);
  EXPECT_GT(static_cast<int>(status.status),
            40);  // the amplification limit, newer than the message table
  EXPECT_EQ(status.description(), nullptr);
  EXPECT_EQ(xml_main_node(handle), nullptr);
}

TEST_F(BadInputTest, UnexpandedEntityReferencesInContentStayShort) {
  std::u16string doc = u"<!DOCTYPE r [<!ENTITY l0 'lol'><!ENTITY l1 '&l0;&l0;&l0;'>]><r>&l1;</r>";
  int handle = parse(doc);
  EXPECT_EQ(xml_parse_result(handle).status, XmlStatus::ok);
  EXPECT_EQ(xml_node_text(xml_main_node(handle)), u"&l1;");
}

}  // namespace
}  // namespace ambrel
