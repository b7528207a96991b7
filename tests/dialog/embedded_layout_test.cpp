// The tool's own window on the headless backend, driven as the user drives it: the window
// cannot be made smaller than its content, and dragging a splitter bar lays out the
// content of both panes again within their minimums.

#include "embedded/embedded_definition.h"
#include "dialog/objects/dialog_object.h"
#include "dialog_fixture.h"
#include "tool_procedures.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {
namespace {

class EmbeddedLayoutTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    publish_inert_tool_procedures();
    ASSERT_EQ(open(embedded_dialog_definition(), u"wndMain"), 1) << dialog_error_text(dialog);
    window = window_handle(dialog_window(dialog));
  }

  Rect gadget_rect(std::u16string_view name) { return headless->control_geometry(handle_of(name)); }

  void mouse(std::u16string_view splitter, MouseAction action, Point position, MouseButton button) {
    headless->user_mouse(handle_of(splitter), {action, button, position, 0});
  }

  NativeHandle window;
};

TEST_F(EmbeddedLayoutTest, TheUserCannotShrinkTheWindowBelowItsContent) {
  headless->user_resize(window, {300, 200});
  EXPECT_EQ(headless->window_client_size(window), (Size{500, 500}));
  EXPECT_EQ(gadget_rect(u"frameIn"), (Rect{8, 8, 484, 239}));
  EXPECT_EQ(gadget_rect(u"txtIn"), (Rect{0, 0, 382, 183}));
  headless->user_resize(window, {700, 600});
  EXPECT_EQ(gadget_rect(u"frameOut"), (Rect{8, 302, 684, 289}));
  EXPECT_EQ(gadget_rect(u"txtOut"), (Rect{0, 0, 582, 233}));
}

TEST_F(EmbeddedLayoutTest, DraggingTheButtonBarRelaysBothPanes) {
  // The bar of splitter3 lies between x = 382 and 386 of the splitter.
  mouse(u"splitter3", MouseAction::Press, {383, 50}, MouseButton::Left);
  mouse(u"splitter3", MouseAction::Move, {283, 50}, MouseButton::None);
  mouse(u"splitter3", MouseAction::Release, {283, 50}, MouseButton::Left);
  EXPECT_EQ(gadget_rect(u"txtIn"), (Rect{0, 0, 282, 183}));
  EXPECT_EQ(gadget_rect(u"cmdFile"), (Rect{0, 0, 180, 24}));
  EXPECT_EQ(gadget_rect(u"text1"), (Rect{0, 113, 180, 60}));
  // The button pane is the fixed one: a larger window keeps it as dragged.
  headless->user_resize(window, {700, 600});
  EXPECT_EQ(gadget_rect(u"txtIn"), (Rect{0, 0, 482, 233}));
  EXPECT_EQ(gadget_rect(u"cmdPaste"), (Rect{0, 29, 180, 24}));
}

TEST_F(EmbeddedLayoutTest, TheButtonPaneKeepsItsMinimum) {
  mouse(u"splitter4", MouseAction::Press, {384, 10}, MouseButton::Left);
  mouse(u"splitter4", MouseAction::Move, {460, 10}, MouseButton::None);
  EXPECT_EQ(gadget_rect(u"txtOut"), (Rect{0, 0, 382, 183}));
  EXPECT_EQ(gadget_rect(u"cmdCopyAll"), (Rect{0, 0, 80, 24}));
}

TEST_F(EmbeddedLayoutTest, TheLabelRowKeepsItsMinimums) {
  // Up: the label pane cannot get smaller than 25; down: the lower pane keeps 200 of the
  // 208 pixels, so the label row cannot grow beyond 8 either and stays at its minimum.
  mouse(u"splitter1", MouseAction::Press, {100, 26}, MouseButton::Left);
  mouse(u"splitter1", MouseAction::Move, {100, 5}, MouseButton::None);
  EXPECT_EQ(gadget_rect(u"lblIn"), (Rect{0, 2, 466, 23}));
  mouse(u"splitter1", MouseAction::Move, {100, 150}, MouseButton::None);
  EXPECT_EQ(gadget_rect(u"lblIn"), (Rect{0, 2, 466, 23}));
  EXPECT_EQ(gadget_rect(u"splitter3"), (Rect{0, 0, 466, 183}));
}

TEST_F(EmbeddedLayoutTest, FreeingTheDialogTakesSplittersAndPanesAlong) {
  int splitter = dialog_gadget(dialog, u"splitter1");
  int editor = dialog_gadget(dialog, u"txtIn");
  ASSERT_EQ(gadget_kind(splitter), GadgetKindCode::Splitter);
  dialog_free(dialog);
  EXPECT_EQ(is_gadget(splitter), 0);
  EXPECT_EQ(is_gadget(editor), 0);
}

}  // namespace
}  // namespace ambrel
