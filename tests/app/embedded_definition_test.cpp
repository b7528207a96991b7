#include "embedded/embedded_definition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ambrel {
namespace {

struct Tag {
  std::u16string name;
  std::size_t depth;  // the element's depth: "dialogs" is 0, the window 1
  std::size_t tabs;   // tab characters right before the tag
  bool closing;
};

// Splits the text into tags, checking that only tabs stand between them.
std::vector<Tag> scan_tags(std::u16string_view text) {
  std::vector<Tag> tags;
  std::vector<std::u16string> open;
  std::size_t position = 0;
  while (position < text.size()) {
    std::size_t tabs = 0;
    while (position < text.size() && text[position] == u'\t') ++tabs, ++position;
    EXPECT_EQ(text[position], u'<') << "at " << position;
    std::size_t end = text.find(u'>', position);
    std::u16string_view tag = text.substr(position + 1, end - position - 1);
    bool closing = tag.front() == u'/';
    bool empty = tag.back() == u'/';
    std::u16string name(
        tag.substr(closing ? 1 : 0, tag.find_first_of(u" />", 1) - (closing ? 1 : 0)));
    if (closing) {
      EXPECT_EQ(open.back(), name);
      open.pop_back();
      tags.push_back({name, open.size(), tabs, true});
    } else {
      tags.push_back({name, open.size(), tabs, false});
      if (!empty) open.push_back(name);
    }
    position = end + 1;
  }
  EXPECT_TRUE(open.empty());
  return tags;
}

TEST(EmbeddedDefinitionTest, OneLineOfTabIndentedTags) {
  std::u16string_view text = embedded_dialog_definition();
  EXPECT_EQ(text.size(), 2380u);
  EXPECT_EQ(text.find_first_of(u"\r\n\""), std::u16string_view::npos);
  EXPECT_EQ(text.substr(text.size() - 20), u"\t</window></dialogs>");

  std::vector<Tag> tags = scan_tags(text);
  std::size_t elements = 0;
  for (const Tag& tag : tags) {
    if (!tag.closing) ++elements;
    std::size_t expected_tabs = tag.name == u"dialogs" ? 0 : tag.depth;
    EXPECT_EQ(tag.tabs, expected_tabs) << std::string(tag.name.begin(), tag.name.end());
  }
  EXPECT_EQ(elements, 22u);
  EXPECT_EQ(tags.size(), 33u);  // 22 start or empty-element tags, 11 end tags
}

}  // namespace
}  // namespace ambrel
