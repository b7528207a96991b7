// Broken UTF-16 reaching the document model: an unpaired surrogate is one U+FFFD
// character wherever it stands, and never takes the markup after it with it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services_fixture.h"
#include "xml/document_parse.h"
#include "xml/xml_document.h"
#include "xml_navigation.h"

namespace ambrel {
namespace {

using XmlHostileTest = ServicesTest;

// "parent>name" of every element, in document order ("" as the parent of the main node).
std::u16string outline(const XmlNode* root) {
  std::u16string out;
  std::vector<const XmlNode*> pending{root};
  while (!pending.empty()) {
    const XmlNode* node = pending.back();
    pending.pop_back();
    if (node->kind == XmlNodeKind::element) {
      out +=
          std::u16string(node->parent->name ? node->parent->name : u"") + u">" + node->name + u" ";
    }
    std::vector<const XmlNode*> children;
    for (const XmlNode* child = node->first_child; child != nullptr; child = child->next_sibling) {
      children.push_back(child);
    }
    pending.insert(pending.end(), children.rbegin(), children.rend());
  }
  return out;
}

TEST_F(XmlHostileTest, AnUnpairedSurrogateIsOneReplacementCharacter) {
  for (std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{4096}}) {
    for (const std::u16string& bad : {std::u16string(1, u'\xD800'), std::u16string(1, u'\xDFFF'),
                                      std::u16string(u"\xDC00\xD800")}) {
      int handle = parse_text_in_pieces(kAnyNumber, u"<r><b>" + bad + u"</b><c/></r>", piece);
      const XmlDocument* document = xml_find_document(handle);
      ASSERT_NE(document, nullptr);
      EXPECT_EQ(document->parse_result.status, XmlStatus::ok);
      EXPECT_EQ(outline(document->root), u">r r>b r>c ");
      EXPECT_EQ(xml_node_text(document->main_node->first_child),
                std::u16string(bad.size(), u'\xFFFD'));
      xml_free_document(handle);
    }
  }
  // In a name it is no name character: the parse stops there, as for any bad character.
  int handle = xml_parse_text(kAnyNumber, u"<r><a/><b\xD800/><c/></r>");
  EXPECT_NE(xml_parse_result(handle).status, XmlStatus::ok);
  EXPECT_EQ(outline(xml_find_document(handle)->root), u">r r>a ");
}

}  // namespace
}  // namespace ambrel
