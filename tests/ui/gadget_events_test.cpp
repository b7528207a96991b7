#include <vector>

#include "gadget_fixture.h"

namespace ambrel {
namespace {

int change_calls = 0;

class GadgetEventsTest : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    change_calls = 0;
  }
};

TEST_F(GadgetEventsTest, ProgramTextRaisesNothing) {
  int editor = create_editor_gadget(kAnyNumber, {}, {});
  bind_gadget_event(
      kEventGadget, [] { ++change_calls; }, window, editor, kGadgetChange);
  EXPECT_EQ(set_gadget_text(editor, u"set by the program"), 1);
  EXPECT_EQ(append_gadget_text(editor, u", added too"), 1);
  EXPECT_EQ(get_gadget_text(editor), u"set by the program, added too");
  EXPECT_EQ(change_calls, 0);
  EXPECT_TRUE(drain_gadget_events().empty());
}

TEST_F(GadgetEventsTest, EveryTypedCharacterRaisesOneChange) {
  int editor = create_editor_gadget(kAnyNumber, {}, {});
  bind_gadget_event(
      kEventGadget, [] { ++change_calls; }, window, editor, kGadgetChange);
  headless->user_type(gadget_handle(editor), u"ab");
  headless->user_type(gadget_handle(editor), u"c");
  EXPECT_EQ(change_calls, 3);
  // Consecutive equal events merge in the queue; the bound procedure still ran for each.
  EXPECT_EQ(drain_gadget_events(),
            (std::vector<TakenEvent>{{editor, kGadgetFocus}, {editor, kGadgetChange}}));
  EXPECT_EQ(get_gadget_text(editor), u"abc");
}

TEST_F(GadgetEventsTest, EditorReportsFocusGainedAndLost) {
  int first = create_editor_gadget(kAnyNumber, {}, {});
  int second = create_editor_gadget(kAnyNumber, {}, {.flags = kEditorReadOnly});
  int button = create_button_gadget(kAnyNumber, {}, {u"b"});
  headless->user_focus(gadget_handle(first));
  headless->user_focus(gadget_handle(second));
  headless->user_focus(gadget_handle(button));
  EXPECT_EQ(drain_gadget_events(), (std::vector<TakenEvent>{{first, kGadgetFocus},
                                                            {first, kGadgetLostFocus},
                                                            {second, kGadgetFocus},
                                                            {second, kGadgetLostFocus}}));
}

TEST_F(GadgetEventsTest, ContainerSizeChangesAreRaisedEvenWhileSuppressed) {
  int container = create_container_gadget(kAnyNumber, {}, {});
  close_gadget_list();
  drain();
  suppress_events();
  resize_gadget(container, kKeepValue, kKeepValue, 50, 60);
  resize_gadget(container, 10, 10, kKeepValue, kKeepValue);  // a move is no size change
  raise_gadget_event(*find_gadget(container), kGadgetChange);
  resume_events();
  EXPECT_EQ(drain_gadget_events(), (std::vector<TakenEvent>{{container, 0}}));
}

TEST_F(GadgetEventsTest, AButtonClickIsTypeZeroAndADisabledButtonIsSilent) {
  int button = create_button_gadget(kAnyNumber, {0, 0, 80, 24}, {u"b"});
  headless->user_click(gadget_handle(button), MouseButton::Left, {5, 5});
  disable_gadget(button, 1);
  headless->user_click(gadget_handle(button), MouseButton::Left, {5, 5});
  EXPECT_EQ(drain_gadget_events(), (std::vector<TakenEvent>{{button, kGadgetLeftClick}}));
}

TEST_F(GadgetEventsTest, TabMovesFromButtonToEditorAndIsTypedThere) {
  int button = create_button_gadget(kAnyNumber, {}, {u"b"});
  create_text_gadget(kAnyNumber, {}, {u"label"});
  int editor = create_editor_gadget(kAnyNumber, {}, {});
  headless->user_focus(gadget_handle(button));
  headless->user_press_tab(handle, false);
  EXPECT_EQ(headless->focused_control(), gadget_handle(editor));
  headless->user_press_tab(handle, false);
  EXPECT_EQ(get_gadget_text(editor), u"\t");
}

TEST_F(GadgetEventsTest, AnEditorsOwnMenuItemIsAMenuEventOfItsWindow) {
  int editor = create_editor_gadget(kAnyNumber, {}, {});
  EXPECT_FALSE(headless->user_choose_editor_menu_item(gadget_handle(editor), 1));
  EXPECT_EQ(set_gadget_menu_items(editor, {{1, u"First", true}, {7, u"Second", false}}), 1);
  EXPECT_EQ(headless->editor_menu_items(gadget_handle(editor)).size(), 2u);
  drain();
  EXPECT_TRUE(headless->user_choose_editor_menu_item(gadget_handle(editor), 7));
  EXPECT_FALSE(headless->user_choose_editor_menu_item(gadget_handle(editor), 2));
  ASSERT_EQ(take_event(), kEventMenu);
  EXPECT_EQ(event_object(), 7);
  EXPECT_EQ(event_window(), window);
  EXPECT_EQ(take_event(), 0);
  // New items replace the old.
  set_gadget_menu_items(editor, {});
  EXPECT_FALSE(headless->user_choose_editor_menu_item(gadget_handle(editor), 7));
}

}  // namespace
}  // namespace ambrel
