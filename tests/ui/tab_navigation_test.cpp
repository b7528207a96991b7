#include "headless_fixture.h"

namespace ambrel {
namespace {

class TabNavigationTest : public HeadlessTest {
 protected:
  NativeHandle add(ControlKind kind, NativeHandle parent, bool tab_stop, bool read_only = false) {
    ControlRequest request;
    request.kind = kind;
    request.parent = parent;
    request.style.tab_stop = tab_stop;
    request.style.read_only = read_only;
    return headless->create_control(request);
  }
};

TEST_F(TabNavigationTest, MovesThroughTabStopsInCreationOrderWithWrapAround) {
  int window = window_open(kAnyNumber, 0, 0, 100, 100, u"t", 0);
  NativeHandle handle = window_handle(window);
  NativeHandle pane = add(ControlKind::Container, handle, false);
  NativeHandle input = add(ControlKind::Editor, pane, true);
  NativeHandle label = add(ControlKind::Text, pane, false);
  NativeHandle open = add(ControlKind::Button, handle, true);
  NativeHandle disabled = add(ControlKind::Button, handle, true);
  NativeHandle output = add(ControlKind::Editor, handle, true, true);
  headless->set_control_enabled(disabled, false);
  (void)label;

  headless->user_press_tab(handle, false);
  EXPECT_EQ(headless->focused_control(), input);
  // Tab in the writable editor is typed; Shift+Tab still moves.
  headless->user_press_tab(handle, false);
  EXPECT_EQ(headless->control_text(input), u"\t");
  EXPECT_EQ(headless->focused_control(), input);
  headless->user_press_tab(handle, true);
  EXPECT_EQ(headless->focused_control(), output);
  // The read-only editor passes Tab on, wrapping to the first stop.
  headless->user_press_tab(handle, false);
  EXPECT_EQ(headless->focused_control(), input);
  headless->set_focus(open);
  headless->user_press_tab(handle, false);
  EXPECT_EQ(headless->focused_control(), output);
  // A hidden container hides its children from the order.
  headless->set_control_visible(pane, false);
  headless->user_press_tab(handle, false);
  EXPECT_EQ(headless->focused_control(), open);
}

// A shortcut field keeps the focus: Tab and Shift+Tab are the keys it records.
TEST_F(TabNavigationTest, AShortcutFieldTakesTabAndShiftTab) {
  int window = window_open(kAnyNumber, 0, 0, 100, 100, u"t", 0);
  NativeHandle handle = window_handle(window);
  NativeHandle shortcut = add(ControlKind::Shortcut, handle, true);
  add(ControlKind::Button, handle, true);
  headless->set_focus(shortcut);
  for (bool backward : {false, true}) {
    headless->user_press_tab(handle, backward);
    EXPECT_EQ(headless->focused_control(), shortcut) << backward;
  }
}

}  // namespace
}  // namespace ambrel
