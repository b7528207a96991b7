#include "headless_fixture.h"
#include "ui/window_flags.h"

namespace ambrel {
namespace {

using WindowTest = HeadlessTest;

TEST_F(WindowTest, OpensWithTitleInnerSizeAndNumbers) {
  int automatic = window_open(kAnyNumber, 10, 20, 300, 200, u"Main", kWindowSizeGadget);
  ASSERT_GT(automatic, 0);
  NativeHandle handle = window_handle(automatic);
  EXPECT_EQ(headless->window_title(handle), u"Main");
  EXPECT_EQ(window_inner_width(automatic), 300);
  EXPECT_EQ(window_inner_height(automatic), 200);
  EXPECT_EQ(headless->window_position(handle), (Point{10, 20}));
  EXPECT_TRUE(headless->window_visible(handle));
  EXPECT_EQ(headless->active_window(), handle);
  EXPECT_EQ(window_number_of(handle), automatic);

  EXPECT_EQ(window_open(3, 0, 0, 50, 50, nullptr, 0), 1);
  EXPECT_EQ(headless->window_title(window_handle(3)), u"");
  NativeHandle first = window_handle(3);
  // Opening a number in use closes the old window first.
  EXPECT_EQ(window_open(3, 0, 0, 60, 60, u"again", 0), 1);
  EXPECT_FALSE(headless->is_window(first));
  EXPECT_EQ(window_inner_width(3), 60);
}

TEST_F(WindowTest, UnknownWindowsAnswerZeroAndChangeNothing) {
  EXPECT_EQ(window_exists(77), 0);
  EXPECT_EQ(window_close(77), 0);
  EXPECT_EQ(window_set_title(77, u"x"), 0);
  EXPECT_EQ(window_resize(77, 1, 1, 1, 1), 0);
  EXPECT_EQ(window_bounds(77, 1, 1, 1, 1), 0);
  EXPECT_EQ(window_show(77, 0, 0), 0);
  EXPECT_EQ(window_inner_width(77), 0);
  EXPECT_EQ(window_inner_height(77), 0);
  EXPECT_EQ(window_add_timer(77, 1, 100), 0);
  EXPECT_EQ(window_remove_timer(77, 1), 0);
  EXPECT_EQ(window_center(kNoHandle, kWindowScreenCentered), 0);
  EXPECT_EQ(window_open(-5, 0, 0, 10, 10, u"bad number", 0), 0);
  int window = window_open(1, 0, 0, 10, 10, u"t", 0);
  EXPECT_EQ(window_set_title(window, nullptr), 0);
  EXPECT_EQ(headless->window_title(window_handle(1)), u"t");
}

TEST_F(WindowTest, FlagsChooseTheFrame) {
  WindowOpenPlan plain =
      plan_window_open(kWindowScreenCentered | kWindowInvisible | kWindowNoGadgets);
  EXPECT_TRUE(plain.style.caption);
  EXPECT_FALSE(plain.style.close_box);
  EXPECT_TRUE(plain.invisible);
  EXPECT_FALSE(plain.becomes_gadget_list);
  EXPECT_EQ(plain.centring, kWindowScreenCentered);

  WindowOpenPlan full =
      plan_window_open(kWindowMinimizeGadget | kWindowMaximizeGadget | kWindowSizeGadget |
                       kWindowStartMaximized | kWindowNoActivate);
  EXPECT_TRUE(full.style.caption && full.style.close_box && full.style.sizable);
  EXPECT_TRUE(full.style.minimize_box && full.style.maximize_box);
  EXPECT_EQ(full.start_state, WindowState::Maximized);
  EXPECT_TRUE(full.no_activate);
  EXPECT_TRUE(full.becomes_gadget_list);

  WindowOpenPlan tool =
      plan_window_open(kWindowTool | kWindowMinimizeGadget | kWindowStartMinimized);
  EXPECT_TRUE(tool.style.tool && tool.style.caption);
  EXPECT_FALSE(tool.style.minimize_box);
  EXPECT_EQ(tool.start_state, WindowState::Normal);

  WindowOpenPlan popup = plan_window_open(kWindowBorderLess);
  EXPECT_TRUE(popup.style.frameless);
  EXPECT_FALSE(popup.style.caption);
}

TEST_F(WindowTest, InvisibleAndNoActivateWindows) {
  int hidden = window_open(kAnyNumber, 0, 0, 10, 10, u"h", kWindowInvisible);
  EXPECT_FALSE(headless->window_visible(window_handle(hidden)));
  EXPECT_EQ(headless->active_window(), kNoHandle);
  int quiet = window_open(kAnyNumber, 0, 0, 10, 10, u"q", kWindowNoActivate);
  EXPECT_TRUE(headless->window_visible(window_handle(quiet)));
  EXPECT_EQ(headless->active_window(), kNoHandle);
  window_show(hidden, 0, 0);
  EXPECT_EQ(headless->active_window(), window_handle(hidden));
  window_show(hidden, 1, 0);
  EXPECT_FALSE(headless->window_visible(window_handle(hidden)));
}

TEST_F(WindowTest, CentringOnTheScreenAndOnAnotherWindow) {
  int main = window_open(kAnyNumber, 0, 0, 500, 400, u"m", kWindowScreenCentered);
  EXPECT_EQ(headless->window_position(window_handle(main)), (Point{710, 340}));
  // Larger than the screen: centred as if screen-sized.
  int huge = window_open(kAnyNumber, 0, 0, 3000, 400, u"h", kWindowScreenCentered);
  EXPECT_EQ(headless->window_position(window_handle(huge)), (Point{0, 340}));
  int child = window_open(kAnyNumber, 0, kKeepValue, 100, 100, u"c", kWindowWindowCentered,
                          window_handle(main));
  EXPECT_EQ(headless->window_position(window_handle(child)), (Point{910, 490}));
  window_resize(main, -400, -400, kKeepValue, kKeepValue);
  EXPECT_EQ(window_center(window_handle(child), kWindowWindowCentered, window_handle(main)), 1);
  EXPECT_EQ(headless->window_position(window_handle(child)), (Point{0, 0}));
}

TEST_F(WindowTest, ResizeKeepsWhatIsNotGivenAndRestoresAMaximizedWindow) {
  int window = window_open(kAnyNumber, 5, 6, 300, 200, u"w", kWindowSizeGadget);
  window_resize(window, kKeepValue, kKeepValue, 400, kKeepValue);
  EXPECT_EQ(window_inner_width(window), 400);
  EXPECT_EQ(window_inner_height(window), 200);
  EXPECT_EQ(headless->window_position(window_handle(window)), (Point{5, 6}));
  window_resize(window, 50, kKeepValue, kKeepValue, kKeepValue);
  EXPECT_EQ(headless->window_position(window_handle(window)), (Point{50, 6}));

  headless->user_maximize(window_handle(window));
  window_resize(window, kKeepValue, kKeepValue, 320, 240);
  EXPECT_EQ(headless->window_state(window_handle(window)), WindowState::Normal);
  EXPECT_EQ(window_inner_width(window), 320);
}

TEST_F(WindowTest, BoundsLimitTheUserAndTakeEffectAtOnce) {
  int window = window_open(kAnyNumber, 0, 0, 0, 0, u"w", kWindowSizeGadget);
  NativeHandle handle = window_handle(window);
  window_bounds(window, 500, 500, kKeepValue, kKeepValue);
  EXPECT_EQ(window_inner_width(window), 500);
  EXPECT_EQ(window_inner_height(window), 500);
  headless->user_resize(handle, {300, 800});
  EXPECT_EQ(window_inner_width(window), 500);
  EXPECT_EQ(window_inner_height(window), 800);

  window_bounds(window, kKeepValue, kKeepValue, 40000, 600);
  headless->user_resize(handle, {35000, 900});
  EXPECT_EQ(window_inner_width(window), 32000);
  EXPECT_EQ(window_inner_height(window), 600);

  // -1 lifts a limit; a maximum outside 16 bits keeps its low 16 bits.
  window_bounds(window, -1, kKeepValue, -31073, -1);
  headless->user_resize(handle, {100, 2000});
  EXPECT_EQ(window_inner_width(window), 100);
  EXPECT_EQ(window_inner_height(window), 2000);
  headless->user_resize(handle, {40000, 2000});
  EXPECT_EQ(window_inner_width(window), 34463);
}

TEST_F(WindowTest, ClosingOneOrAllWindows) {
  int first = window_open(kAnyNumber, 0, 0, 10, 10, u"1", 0);
  int second = window_open(kAnyNumber, 0, 0, 10, 10, u"2", 0);
  drain();
  raise_event(kEventTimer, 1, first, 0);
  raise_event(kEventTimer, 1, second, 0);
  EXPECT_EQ(window_close(first), 1);
  EXPECT_EQ(window_exists(first), 0);
  ASSERT_EQ(take_event(), kEventTimer);
  EXPECT_EQ(event_window(), second);
  window_open(kAnyNumber, 0, 0, 10, 10, u"3", 0);
  EXPECT_EQ(window_close(kAnyNumber), 1);
  EXPECT_EQ(window_exists(second), 0);
}

}  // namespace
}  // namespace ambrel
