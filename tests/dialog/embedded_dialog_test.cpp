// The program's own definition opens into the window it describes.

#include <string>
#include <vector>

#include "embedded/embedded_definition.h"
#include "dialog/element_kinds.h"
#include "dialog/objects/dialog_object.h"
#include "dialog_fixture.h"
#include "tool_procedures.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {
namespace {

class EmbeddedDialogTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    publish_inert_tool_procedures();
    ASSERT_EQ(open(embedded_dialog_definition(), u"wndMain"), 1) << dialog_error_text(dialog);
  }

  const DialogObject* find(std::u16string_view name) const {
    std::vector<const DialogObject*> stack{dialog_root(dialog)};
    while (!stack.empty()) {
      const DialogObject* object = stack.back();
      stack.pop_back();
      if (object->name() && *object->name() == name) return object;
      for (const auto& child : object->children()) stack.push_back(child.get());
    }
    return nullptr;
  }

  layout::Rect allocation_of(std::u16string_view name) const {
    const DialogObject* object = find(name);
    return object && object->allocation() ? *object->allocation() : layout::Rect{-1, -1, -1, -1};
  }
};

// "element name" per object, depth-first in document order.
std::vector<std::u16string> outline(const DialogObject& root) {
  std::vector<std::u16string> lines;
  std::vector<const DialogObject*> stack{&root};
  while (!stack.empty()) {
    const DialogObject* object = stack.back();
    stack.pop_back();
    lines.push_back(std::u16string(element_name_of(object->kind())) + u" " +
                    object->name().value_or(u"-"));
    for (auto it = object->children().rbegin(); it != object->children().rend(); ++it) {
      stack.push_back(it->get());
    }
  }
  return lines;
}

TEST_F(EmbeddedDialogTest, BuildsTheObjectsOfTheMainWindow) {
  std::vector<std::u16string> expected = {
      u"window wndMain",   u"vbox vbox",          u"frame frameIn",  u"splitter splitter1",
      u"text lblIn",       u"splitter splitter3", u"editor txtIn",   u"vbox vbox1",
      u"button cmdFile",   u"button cmdPaste",    u"empty empty1",   u"button cmdClear",
      u"empty empty4",     u"text text1",         u"frame frameOut", u"splitter splitter2",
      u"text lblOut",      u"splitter splitter4", u"editor txtOut",  u"vbox vbox2",
      u"button cmdCopyAll"};
  EXPECT_EQ(outline(*dialog_root(dialog)), expected);
}

TEST_F(EmbeddedDialogTest, CreatesTheGadgetsInDocumentOrderWithTheirTexts) {
  const std::vector<std::u16string_view> order = {
      u"frameIn", u"lblIn",    u"txtIn",  u"cmdFile", u"cmdPaste",  u"cmdClear",
      u"text1",   u"frameOut", u"lblOut", u"txtOut",  u"cmdCopyAll"};
  int previous = -1;
  for (std::u16string_view name : order) {
    int gadget = dialog_gadget(dialog, name);
    EXPECT_GT(gadget, previous) << std::string(name.begin(), name.end());
    previous = gadget;
  }
  EXPECT_EQ(gadget_kind(dialog_gadget(dialog, u"frameIn")), GadgetKindCode::Frame);
  EXPECT_EQ(gadget_kind(dialog_gadget(dialog, u"txtIn")), GadgetKindCode::Editor);
  EXPECT_EQ(gadget_kind(dialog_gadget(dialog, u"lblIn")), GadgetKindCode::Text);
  EXPECT_EQ(text_of(u"lblIn"), u"Source XML (CTRL + V)");
  EXPECT_EQ(text_of(u"cmdFile"), u"  Open ...");
  EXPECT_EQ(text_of(u"cmdCopyAll"), u"  Copy all");
  EXPECT_EQ(text_of(u"frameIn"), u"");
  EXPECT_EQ(dialog_gadget(dialog, u"vbox1"), -1);
  EXPECT_EQ(dialog_gadget(dialog, u"wndMain"), -1);
}

TEST_F(EmbeddedDialogTest, AppliesFlagsAndStates) {
  EXPECT_FALSE(headless->control_enabled(handle_of(u"text1")));
  EXPECT_FALSE(headless->control_enabled(handle_of(u"cmdCopyAll")));
  EXPECT_TRUE(headless->control_enabled(handle_of(u"cmdPaste")));
  EXPECT_TRUE(headless->control_style(handle_of(u"txtOut")).read_only);
  EXPECT_EQ(headless->control_style(handle_of(u"cmdFile")).alignment, TextAlignment::Left);
  EXPECT_EQ(headless->control_style(handle_of(u"text1")).alignment, TextAlignment::Right);
  EXPECT_EQ(dialog_root(dialog)->flags(), 13565953u);
  EXPECT_EQ(find(u"splitter3")->flags(), 9u);
}

TEST_F(EmbeddedDialogTest, OpensShownAtItsRequestedSizeAndLaysOutTheHalves) {
  NativeHandle window = window_handle(dialog_window(dialog));
  EXPECT_EQ(headless->window_title(window), u"Ambrel");
  EXPECT_TRUE(headless->window_visible(window));
  EXPECT_EQ(headless->window_client_size(window), (Size{500, 500}));
  EXPECT_EQ(allocation_of(u"vbox"), (layout::Rect{8, 8, 484, 484}));
  EXPECT_EQ(allocation_of(u"frameIn"), (layout::Rect{8, 8, 484, 239}));
  EXPECT_EQ(allocation_of(u"frameOut"), (layout::Rect{8, 252, 484, 239}));
  EXPECT_EQ(allocation_of(u"splitter1"), (layout::Rect{17, 26, 466, 212}));
  EXPECT_EQ(allocation_of(u"splitter2"), (layout::Rect{17, 270, 466, 212}));
}

TEST_F(EmbeddedDialogTest, FollowsAResizeOfTheWindow) {
  headless->user_resize(window_handle(dialog_window(dialog)), {700, 600});
  EXPECT_EQ(allocation_of(u"frameIn"), (layout::Rect{8, 8, 684, 289}));
  EXPECT_EQ(allocation_of(u"frameOut"), (layout::Rect{8, 302, 684, 289}));
  // Nothing smaller than the minimum the window asked for.
  headless->user_resize(window_handle(dialog_window(dialog)), {100, 100});
  EXPECT_EQ(headless->window_client_size(window_handle(dialog_window(dialog))), (Size{500, 500}));
}

}  // namespace
}  // namespace ambrel
