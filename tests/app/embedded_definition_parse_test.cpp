#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "embedded/embedded_definition.h"
#include "dialog/definition/common_attributes.h"
#include "dialog/definition/dialog_kind.h"
#include "dialog/definition/element_view.h"
#include "dialog/definition/event_attributes.h"
#include "services_fixture.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

class EmbeddedDefinitionParseTest : public ServicesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ServicesTest::SetUp());
    document = xml_parse_text(kAnyNumber, embedded_dialog_definition());
  }

  // Every element in document order, walked with an explicit stack.
  std::vector<const XmlNode*> elements() const {
    std::vector<const XmlNode*> found;
    std::vector<const XmlNode*> pending{xml_main_node(document)};
    while (!pending.empty()) {
      const XmlNode* node = pending.back();
      pending.pop_back();
      if (node == nullptr) continue;
      pending.push_back(node->next_sibling);
      if (node->kind != XmlNodeKind::element) continue;
      found.push_back(node);
      pending.push_back(node->first_child);
    }
    return found;
  }

  const XmlNode* element_named(std::u16string_view name) const {
    for (const XmlNode* node : elements()) {
      if (find_attribute(element_view_of(*node), u"name") == name) return node;
    }
    return nullptr;
  }

  int document = 0;
};

TEST_F(EmbeddedDefinitionParseTest, ParsesWithoutErrorIntoTheExpectedElements) {
  ASSERT_NE(document, 0);
  EXPECT_EQ(xml_parse_result(document).status, XmlStatus::ok);
  std::vector<const XmlNode*> all = elements();
  ASSERT_EQ(all.size(), 22u);
  EXPECT_EQ(std::u16string_view(all[0]->name), u"dialogs");
  EXPECT_EQ(std::u16string_view(all[1]->name), u"window");
  EXPECT_EQ(std::u16string_view(all.back()->name), u"button");
  EXPECT_EQ(all[1]->attribute_count, 10);
}

TEST_F(EmbeddedDefinitionParseTest, AttributesReadAsTheDialogEngineReadsThem) {
  DialogError error;
  const XmlNode* window = element_named(u"wndMain");
  ASSERT_NE(window, nullptr);
  CommonAttributes attributes =
      read_common_attributes(element_view_of(*window), DialogKind::Window, error);
  EXPECT_EQ(attributes.flags, 0xCF0001u);
  EXPECT_EQ(attributes.text, u"Ambrel");
  EXPECT_EQ(attributes.width, 500);

  const XmlNode* splitter = element_named(u"splitter3");
  ASSERT_NE(splitter, nullptr);
  EXPECT_EQ(read_common_attributes(element_view_of(*splitter), DialogKind::Splitter, error).flags,
            9u);
  const XmlNode* copy_all = element_named(u"cmdCopyAll");
  ASSERT_NE(copy_all, nullptr);
  EXPECT_TRUE(read_gadget_state_attributes(element_view_of(*copy_all)).disabled);
  EXPECT_EQ(read_common_attributes(element_view_of(*copy_all), DialogKind::Button, error).text,
            u"  Copy all");
  EXPECT_FALSE(error.has_error()) << error.text();
}

TEST_F(EmbeddedDefinitionParseTest, BindsTheSixPublishedProcedureNames) {
  std::vector<std::u16string> names;
  for (const XmlNode* node : elements()) {
    std::optional<std::u16string_view> value = find_attribute(element_view_of(*node), u"onevent");
    if (value) names.emplace_back(*value);
  }
  EXPECT_EQ(names, (std::vector<std::u16string>{u"events_txtIn()", u"events_cmdFile()",
                                                u"events_cmdPaste()", u"events_cmdClear()",
                                                u"events_txtOut()", u"events_cmdCopyAll()"}));
}

}  // namespace
}  // namespace ambrel
