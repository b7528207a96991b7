#include "dialog/definition/event_attributes.h"

#include <gtest/gtest.h>

#include <vector>

#include "services_fixture.h"
#include "test_element.h"

namespace ambrel {
namespace {

struct Binding {
  std::int32_t code;
  RuntimeProcedure procedure;
  std::int32_t window;
  std::int32_t gadget;
  std::int32_t type;
  bool operator==(const Binding&) const = default;
};

void input_changed() {}
void clicked() {}

class EventAttributesTest : public ServicesTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ServicesTest::SetUp());
    runtime_register_procedure(u"events_txtIn()", input_changed);
    runtime_register_procedure(u"clicked", clicked);
  }

  void bind(const TestElement& element, DialogKind kind) {
    bind_event_attributes(element.view(), kind, 5, 77, error,
                          [this](std::int32_t code, RuntimeProcedure procedure, std::int32_t window,
                                 std::int32_t gadget, std::int32_t type) {
                            bindings.push_back({code, procedure, window, gadget, type});
                          });
  }

  DialogError error;
  std::vector<Binding> bindings;
};

TEST_F(EventAttributesTest, OnEventBindsEveryTypeOnAKindWithoutMaskBits) {
  TestElement editor(u"editor", {{u"name", u"txtIn"}, {u"OnEvent", u"events_txtIn()"}});
  bind(editor, DialogKind::Editor);
  EXPECT_FALSE(error.has_error());
  EXPECT_EQ(bindings, (std::vector<Binding>{{13100, input_changed, 5, 77, -1}}));
}

TEST_F(EventAttributesTest, ProcedureNamesIgnoreCaseButKeepTheirParentheses) {
  TestElement upper(u"editor", {{u"ONEVENT", u"EVENTS_TXTIN()"}});
  bind(upper, DialogKind::Editor);
  EXPECT_EQ(bindings.size(), 1u);
  EXPECT_FALSE(error.has_error());

  TestElement bare(u"editor", {{u"OnEvent", u"events_txtIn"}});
  bind(bare, DialogKind::Editor);
  EXPECT_EQ(bindings.size(), 1u);
  EXPECT_EQ(error.text(), "'events_txtIn' is not a runtime procedure.");
}

TEST_F(EventAttributesTest, ProcedureRegisteredWithoutParenthesesIsFoundWithoutThem) {
  TestElement button(u"button", {{u"OnEvent", u"clicked"}});
  bind(button, DialogKind::Button);
  EXPECT_EQ(bindings.size(), 1u);
  EXPECT_FALSE(error.has_error());
}

TEST_F(EventAttributesTest, AnIntegerConstantIsNeverBoundAsAProcedure) {
  runtime_register_integer(u"events_fake()", 0x401000);
  TestElement button(u"button", {{u"OnEvent", u"events_fake()"}});
  bind(button, DialogKind::Button);
  EXPECT_TRUE(bindings.empty());
  EXPECT_EQ(error.text(), "'events_fake()' is not a runtime procedure.");
}

TEST_F(EventAttributesTest, AttributeOutsideTheKindsMaskRecordsItsNameAsWritten) {
  TestElement editor(u"Editor", {{u"OnChange", u"events_txtIn()"}});
  bind(editor, DialogKind::Editor);
  EXPECT_TRUE(bindings.empty());
  EXPECT_EQ(error.text(), "'OnChange' is not supported for the following gadget: Editor");
}

TEST_F(EventAttributesTest, EachAcceptedAttributeBindsItsTypeInDocumentOrder) {
  TestElement tree(u"tree", {{u"onleftclick", u"clicked"},
                             {u"OnRightClick", u"clicked"},
                             {u"OnLeftDoubleClick", u"clicked"},
                             {u"OnRightDoubleClick", u"clicked"},
                             {u"OnChange", u"events_txtIn()"},
                             {u"OnDragStart", u"clicked"},
                             {u"OnEvent", u"clicked"}});
  bind(tree, DialogKind::Tree);
  EXPECT_FALSE(error.has_error());
  std::vector<std::int32_t> types;
  for (const Binding& binding : bindings) types.push_back(binding.type);
  EXPECT_EQ(types, (std::vector<std::int32_t>{0, 1, 2, 3, 768, 14002, -1}));
  EXPECT_EQ(bindings[4].procedure, input_changed);
}

TEST_F(EventAttributesTest, FocusAttributesOnAString) {
  TestElement string(u"string", {{u"OnFocus", u"clicked"}, {u"OnLostFocus", u"clicked"}});
  bind(string, DialogKind::String);
  ASSERT_EQ(bindings.size(), 2u);
  EXPECT_EQ(bindings[0].type, 14000);
  EXPECT_EQ(bindings[1].type, 14001);
  TestElement listview(u"listview", {{u"OnRightClick", u"clicked"}});
  bind(listview, DialogKind::ListView);
  EXPECT_EQ(error.text(), "'OnRightClick' is not supported for the following gadget: listview");
}

TEST_F(EventAttributesTest, AfterAnErrorLaterAttributesAreStillBoundButTheFirstErrorStays) {
  TestElement image(
      u"image",
      {{u"OnChange", u"clicked"}, {u"OnLeftClick", u"nothing()"}, {u"OnRightClick", u"clicked"}});
  bind(image, DialogKind::Image);
  EXPECT_EQ(error.text(), "'OnChange' is not supported for the following gadget: image");
  EXPECT_EQ(bindings, (std::vector<Binding>{{13100, clicked, 5, 77, 1}}));
}

TEST_F(EventAttributesTest, KindsWithoutEventsIgnoreEventAttributes) {
  TestElement splitter(u"splitter", {{u"OnEvent", u"unknown()"}, {u"OnChange", u"x"}});
  for (DialogKind kind :
       {DialogKind::Splitter, DialogKind::VBox, DialogKind::Window, DialogKind::Frame,
        DialogKind::Tab, DialogKind::Empty, DialogKind::Container, DialogKind::ScrollArea}) {
    bind(splitter, kind);
  }
  EXPECT_TRUE(bindings.empty());
  EXPECT_FALSE(error.has_error());
}

}  // namespace
}  // namespace ambrel
