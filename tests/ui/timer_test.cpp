#include <vector>

#include "headless_fixture.h"

namespace ambrel {
namespace {

std::vector<std::int64_t> ticks;
HeadlessBackend* clock_source = nullptr;

class TimerTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ticks.clear();
    clock_source = headless;
    window = window_open(kAnyNumber, 0, 0, 100, 100, u"t", 0);
    drain();
  }
  int window = 0;
};

TEST_F(TimerTest, FiresOnlyAsTheClockAdvancesAndRepeats) {
  bind_event(
      kEventTimer, [] { ticks.push_back(clock_source->now()); }, window);
  ASSERT_EQ(window_add_timer(window, 117, 100), 1);
  headless->advance_clock(99);
  EXPECT_TRUE(ticks.empty());
  headless->advance_clock(251);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 300}));
  // Nothing was taken in between, so the three expiries share one queued event.
  ASSERT_EQ(take_event(), kEventTimer);
  EXPECT_EQ(event_object(), 117);
  EXPECT_EQ(event_window(), window);
  EXPECT_EQ(take_event(), 0);
}

TEST_F(TimerTest, RemovedAndRestartedTimers) {
  window_add_timer(window, 1, 100);
  window_add_timer(window, 2, 30);
  headless->advance_clock(50);
  EXPECT_EQ(window_remove_timer(window, 2), 1);
  EXPECT_EQ(window_remove_timer(window, 2), 0);
  // Adding a running timer again starts its interval anew.
  window_add_timer(window, 1, 100);
  headless->advance_clock(90);
  std::vector<int> objects;
  while (take_event()) objects.push_back(event_object());
  EXPECT_EQ(objects, (std::vector<int>{2}));
  headless->advance_clock(40);
  ASSERT_EQ(take_event(), kEventTimer);
  EXPECT_EQ(event_object(), 1);
}

TEST_F(TimerTest, BlockingWaitRunsUntilTheNextTimerAndClosingStopsIt) {
  window_add_timer(window, 5, 250);
  EXPECT_EQ(window_wait_event(-1), kBackendEventsDispatched);
  EXPECT_EQ(headless->now(), 250);
  EXPECT_EQ(window_wait_event(-1), kEventTimer);
  EXPECT_EQ(window_wait_event(100), 0);
  EXPECT_EQ(headless->now(), 350);
  window_close(window);
  headless->advance_clock(1000);
  EXPECT_EQ(take_event(), 0);
}

}  // namespace
}  // namespace ambrel
