// The splitter gadget on the headless backend: its panes follow size changes, the set
// state and scripted mouse drags, always within the pane minimums.

#include <algorithm>
#include <vector>

#include "gadget_fixture.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/backend_events.h"
#include "ui/splitter_control.h"

namespace ambrel {
namespace {

int splitter_events = 0;

class SplitterControlTest : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    splitter_events = 0;
  }

  // Two pane containers and a splitter of size 0 x 0 over them, as the dialog engine makes it.
  int make_splitter(int flags, int first_minimum = 0, int second_minimum = 0) {
    first = make_pane();
    second = make_pane();
    int splitter =
        create_splitter_gadget(kAnyNumber, {}, {.flags = flags, .panes = {first, second}});
    set_gadget_attribute(splitter, kSplitterFirstMinimum, first_minimum);
    set_gadget_attribute(splitter, kSplitterSecondMinimum, second_minimum);
    bind_gadget_event(
        kEventGadget, [] { ++splitter_events; }, window, splitter, 0);
    return splitter;
  }

  static int make_pane() {
    int pane = create_container_gadget(kAnyNumber, {}, {});
    close_gadget_list();
    return pane;
  }

  Rect pane_rect(int pane) const { return headless->control_geometry(gadget_handle(pane)); }

  void mouse(int splitter, MouseAction action, Point position,
             MouseButton button = MouseButton::None) {
    headless->user_mouse(gadget_handle(splitter), {action, button, position, 0});
  }

  int first = 0;
  int second = 0;
};

TEST_F(SplitterControlTest, PanesBecomeChildrenOfTheSplitter) {
  int splitter = make_splitter(0);
  NativeHandle control = gadget_handle(splitter);
  EXPECT_EQ(gadget_kind(splitter), GadgetKindCode::Splitter);
  // In creation order, which Tab follows.
  EXPECT_EQ(headless->child_controls(control),
            (std::vector<NativeHandle>{gadget_handle(first), gadget_handle(second)}));
  EXPECT_EQ(get_gadget_attribute(splitter, kSplitterFirstGadget), first);
  EXPECT_EQ(get_gadget_attribute(splitter, kSplitterSecondGadget), second);
  EXPECT_EQ(get_gadget_attribute(splitter, 5), 0);
}

TEST_F(SplitterControlTest, FirstFixedKeepsTheLabelRow) {
  int splitter = make_splitter(kSplitterFirstFixed, 25, 200);
  resize_gadget(splitter, 17, 26, 466, 212);
  EXPECT_EQ(pane_rect(first), (Rect{0, 0, 466, 25}));
  EXPECT_EQ(pane_rect(second), (Rect{0, 29, 466, 183}));
  EXPECT_EQ(get_gadget_state(splitter), 25);
  EXPECT_EQ(splitter_events, 1);
  resize_gadget(splitter, kKeepValue, kKeepValue, 466, 500);
  EXPECT_EQ(pane_rect(first), (Rect{0, 0, 466, 25}));
  EXPECT_EQ(pane_rect(second), (Rect{0, 29, 466, 471}));
  EXPECT_EQ(splitter_events, 2);
}

TEST_F(SplitterControlTest, SecondFixedKeepsTheButtonColumn) {
  int splitter = make_splitter(kSplitterVertical | kSplitterSecondFixed, 0, 80);
  resize_gadget(splitter, 0, 0, 466, 183);
  EXPECT_EQ(pane_rect(first), (Rect{0, 0, 382, 183}));
  EXPECT_EQ(pane_rect(second), (Rect{386, 0, 80, 183}));
  resize_gadget(splitter, kKeepValue, kKeepValue, 566, 183);
  EXPECT_EQ(pane_rect(first), (Rect{0, 0, 482, 183}));
  EXPECT_EQ(pane_rect(second), (Rect{486, 0, 80, 183}));
}

TEST_F(SplitterControlTest, PaneContainersRaiseTheirSizeEventsForTheirContent) {
  int splitter = make_splitter(0);
  drain();
  resize_gadget(splitter, 0, 0, 404, 100);
  EXPECT_EQ(pane_rect(first), (Rect{0, 0, 404, 48}));
  EXPECT_EQ(pane_rect(second), (Rect{0, 52, 404, 48}));
  std::vector<TakenEvent> events = drain_gadget_events();
  EXPECT_NE(std::find(events.begin(), events.end(), TakenEvent{first, 0}), events.end());
  EXPECT_NE(std::find(events.begin(), events.end(), TakenEvent{second, 0}), events.end());
  EXPECT_EQ(events.back(), (TakenEvent{splitter, 0}));
}

TEST_F(SplitterControlTest, ASizeOfNothingArrangesNothing) {
  int splitter = make_splitter(0);
  resize_gadget(splitter, 0, 0, 404, 100);
  resize_gadget(splitter, 0, 0, 0, 0);
  EXPECT_EQ(pane_rect(first), (Rect{0, 0, 404, 48}));
  EXPECT_EQ(splitter_events, 1);
}

TEST_F(SplitterControlTest, SetStateMovesTheBarAndKeepsTheProportion) {
  int splitter = make_splitter(0);
  resize_gadget(splitter, 0, 0, 300, 104);
  set_gadget_state(splitter, 30);
  EXPECT_EQ(get_gadget_state(splitter), 30);
  EXPECT_EQ(pane_rect(second), (Rect{0, 34, 300, 70}));
  resize_gadget(splitter, kKeepValue, kKeepValue, 300, 204);
  EXPECT_EQ(pane_rect(first), (Rect{0, 0, 300, 60}));
  EXPECT_EQ(pane_rect(second), (Rect{0, 64, 300, 140}));
  set_gadget_state(splitter, 500);
  EXPECT_EQ(pane_rect(second).height, 1);
}

TEST_F(SplitterControlTest, DraggingTheBarStaysWithinTheMinimums) {
  int splitter = make_splitter(kSplitterVertical, 50, 60);
  resize_gadget(splitter, 0, 0, 404, 100);
  ASSERT_EQ(get_gadget_state(splitter), 200);
  NativeHandle control = gadget_handle(splitter);
  splitter_events = 0;

  mouse(splitter, MouseAction::Move, {202, 10});
  EXPECT_EQ(headless->control_cursor(control), Cursor::SizeWestEast);
  mouse(splitter, MouseAction::Press, {202, 10}, MouseButton::Left);
  EXPECT_EQ(headless->mouse_capture(), control);
  // The grab offset (2 pixels into the bar) stays under the pointer.
  mouse(splitter, MouseAction::Move, {102, 10});
  EXPECT_EQ(pane_rect(first), (Rect{0, 0, 100, 100}));
  EXPECT_EQ(pane_rect(second), (Rect{104, 0, 300, 100}));
  mouse(splitter, MouseAction::Move, {-40, 10});
  EXPECT_EQ(pane_rect(first).width, 50);
  mouse(splitter, MouseAction::Move, {900, 10});
  EXPECT_EQ(pane_rect(first), (Rect{0, 0, 340, 100}));
  EXPECT_EQ(pane_rect(second), (Rect{344, 0, 60, 100}));
  EXPECT_EQ(splitter_events, 3);

  mouse(splitter, MouseAction::Release, {900, 10}, MouseButton::Left);
  EXPECT_EQ(headless->mouse_capture(), kNoHandle);
  mouse(splitter, MouseAction::Move, {100, 10});
  EXPECT_EQ(pane_rect(first).width, 340);
  EXPECT_EQ(headless->control_cursor(control), Cursor::Arrow);
  EXPECT_EQ(splitter_events, 3);
  // Dragged to the far end, the bar stays there when the splitter grows.
  resize_gadget(splitter, kKeepValue, kKeepValue, 504, 100);
  EXPECT_EQ(pane_rect(second), (Rect{444, 0, 60, 100}));
}

TEST_F(SplitterControlTest, APressOffTheBarStartsNoDrag) {
  int splitter = make_splitter(0);
  resize_gadget(splitter, 0, 0, 300, 104);
  splitter_events = 0;
  mouse(splitter, MouseAction::Press, {10, 90}, MouseButton::Left);
  EXPECT_EQ(headless->mouse_capture(), kNoHandle);
  mouse(splitter, MouseAction::Move, {10, 20});
  EXPECT_EQ(pane_rect(first).height, 50);
  EXPECT_EQ(headless->control_cursor(gadget_handle(splitter)), Cursor::Arrow);
  // A stacked bar shows the north-south cursor, also 3 pixels into the first pane.
  mouse(splitter, MouseAction::Move, {10, 47});
  EXPECT_EQ(headless->control_cursor(gadget_handle(splitter)), Cursor::SizeNorthSouth);
  EXPECT_EQ(splitter_events, 0);
}

TEST_F(SplitterControlTest, ALostCaptureEndsTheDrag) {
  int splitter = make_splitter(0);
  resize_gadget(splitter, 0, 0, 300, 104);
  mouse(splitter, MouseAction::Press, {10, 51}, MouseButton::Left);
  headless->release_mouse();
  mouse(splitter, MouseAction::Move, {10, 20});
  EXPECT_EQ(pane_rect(first).height, 50);
}

TEST_F(SplitterControlTest, TheSeparatorShowsAGripBesideTheFirstPane) {
  int plain = make_splitter(kSplitterVertical);
  resize_gadget(plain, 0, 0, 404, 100);
  EXPECT_EQ(backend_events().splitter_grip(gadget_handle(plain)), Rect{});
  int grip = make_splitter(kSplitterVertical | kSplitterSeparator);
  resize_gadget(grip, 0, 0, 407, 100);
  EXPECT_EQ(pane_rect(second), (Rect{207, 0, 200, 100}));
  EXPECT_EQ(backend_events().splitter_grip(gadget_handle(grip)), (Rect{202, 0, 3, 100}));
  EXPECT_TRUE(headless->control_style(gadget_handle(grip)).separator_grip);
}

TEST_F(SplitterControlTest, ReplacingAPaneGivesTheOldOneBack) {
  int splitter = make_splitter(0);
  resize_gadget(splitter, 0, 0, 300, 104);
  int old = first;
  int replacement = make_pane();
  set_gadget_attribute(splitter, kSplitterFirstGadget, replacement);
  EXPECT_EQ(get_gadget_attribute(splitter, kSplitterFirstGadget), replacement);
  EXPECT_EQ(headless->control_parent(gadget_handle(old)), handle);
  EXPECT_EQ(headless->control_parent(gadget_handle(replacement)), gadget_handle(splitter));
  EXPECT_EQ(pane_rect(replacement), (Rect{0, 0, 300, 50}));
}

TEST_F(SplitterControlTest, FreeingTheSplitterKeepsItsPanes) {
  int splitter = make_splitter(0);
  EXPECT_EQ(free_gadget(splitter), 1);
  EXPECT_EQ(is_gadget(first), 1);
  EXPECT_EQ(is_gadget(second), 1);
  EXPECT_EQ(headless->control_parent(gadget_handle(first)), handle);
}

TEST_F(SplitterControlTest, ClosingTheWindowFreesSplitterAndPanes) {
  int splitter = make_splitter(0);
  window_close(window);
  EXPECT_EQ(is_gadget(splitter), 0);
  EXPECT_EQ(is_gadget(first), 0);
}

}  // namespace
}  // namespace ambrel
