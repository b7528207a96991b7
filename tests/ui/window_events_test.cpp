#include <vector>

#include "headless_fixture.h"

namespace ambrel {
namespace {

int size_calls = 0;
int other_size_calls = 0;

class WindowEventsTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    size_calls = 0;
    other_size_calls = 0;
    window =
        window_open(kAnyNumber, 0, 0, 300, 200, u"w", kWindowSizeGadget | kWindowMaximizeGadget);
    handle = window_handle(window);
    drain();
  }

  int window = 0;
  NativeHandle handle;
};

TEST_F(WindowEventsTest, OpeningRaisesNoMoveOrSizeEvents) {
  int maximized =
      window_open(kAnyNumber, kKeepValue, 0, 300, 200, u"m",
                  kWindowMaximizeGadget | kWindowStartMaximized | kWindowScreenCentered);
  EXPECT_EQ(headless->window_state(window_handle(maximized)), WindowState::Maximized);
  // Only the activation changes are reported while a window opens.
  EXPECT_EQ(drain(), (std::vector<int>{kEventDeactivateWindow, kEventActivateWindow}));
}

TEST_F(WindowEventsTest, CloseRequestLeavesTheWindowOpen) {
  headless->user_close(handle);
  ASSERT_EQ(window_wait_event(0), kEventCloseWindow);
  EXPECT_EQ(event_object(), window);
  EXPECT_EQ(event_window(), window);
  EXPECT_EQ(window_exists(window), 1);
}

TEST_F(WindowEventsTest, DragResizeKeepsOneSizeEventButCallsEveryTime) {
  bind_event(
      kEventSizeWindow, [] { ++size_calls; }, window);
  int other = window_open(kAnyNumber, 0, 0, 100, 100, u"o", kWindowSizeGadget);
  bind_event(
      kEventSizeWindow, [] { ++other_size_calls; }, other);
  drain();
  raise_event(kEventTimer, 1, window, 0);
  for (int step = 1; step <= 20; ++step) headless->user_resize(handle, {300 + step, 200 + step});
  EXPECT_EQ(size_calls, 20);
  EXPECT_EQ(other_size_calls, 0);
  EXPECT_EQ(drain(), (std::vector<int>{kEventTimer, kEventSizeWindow}));
  EXPECT_EQ(window_inner_width(window), 320);
}

TEST_F(WindowEventsTest, MinimizeMaximizeAndRestore) {
  headless->user_minimize(handle);
  EXPECT_EQ(drain(), (std::vector<int>{kEventMinimizeWindow}));
  headless->user_restore(handle);
  EXPECT_EQ(drain(), (std::vector<int>{kEventRestoreWindow, kEventSizeWindow}));
  headless->user_maximize(handle);
  EXPECT_EQ(drain(), (std::vector<int>{kEventMaximizeWindow, kEventSizeWindow}));
  // The size event raised with the maximize stays queued; restoring replaces it.
  headless->user_restore(handle);
  headless->user_maximize(handle);
  headless->user_restore(handle);
  EXPECT_EQ(drain(), (std::vector<int>{kEventRestoreWindow, kEventMaximizeWindow,
                                       kEventRestoreWindow, kEventSizeWindow}));
  EXPECT_EQ(window_inner_width(window), 300);
}

TEST_F(WindowEventsTest, MovesAreReported) {
  headless->user_move(handle, {40, 50});
  ASSERT_EQ(take_event(), kEventMoveWindow);
  EXPECT_EQ(event_object(), window);
}

TEST_F(WindowEventsTest, ActivationGivesTheFocusBack) {
  ControlRequest request;
  request.kind = ControlKind::Editor;
  request.parent = handle;
  NativeHandle first = headless->create_control(request);
  NativeHandle second = headless->create_control(request);
  headless->set_focus(second);
  int other = window_open(kAnyNumber, 0, 0, 10, 10, u"o", 0);
  EXPECT_EQ(drain(), (std::vector<int>{kEventDeactivateWindow, kEventActivateWindow}));
  headless->set_focus(first);
  headless->user_activate(handle);
  ASSERT_EQ(drain(), (std::vector<int>{kEventDeactivateWindow, kEventActivateWindow}));
  EXPECT_EQ(headless->focused_control(), second);
  window_close(other);
}

TEST_F(WindowEventsTest, ClicksOnTheWindowsOwnArea) {
  headless->user_click(handle, MouseButton::Left, {5, 5});
  headless->user_click(handle, MouseButton::Right, {5, 5});
  headless->user_double_click(handle, {5, 5});
  EXPECT_EQ(drain(), (std::vector<int>{kEventLeftClick, kEventRightClick, kEventLeftClick,
                                       kEventLeftDoubleClick, kEventLeftClick}));
}

}  // namespace
}  // namespace ambrel
