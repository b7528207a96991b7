#include <string>
#include <vector>

#include "headless_fixture.h"

namespace ambrel {
namespace {

std::vector<std::string> calls;
int releases = 0;

void count_release(void* data) {
  ++releases;
  delete static_cast<int*>(data);
}

class EventQueueTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    calls.clear();
    releases = 0;
  }
};

TEST_F(EventQueueTest, RepeatedEventsMergeIntoTheTailOnly) {
  raise_event(kEventTimer, 1, 5, 0);
  raise_event(kEventTimer, 1, 5, 0);
  EXPECT_EQ(drain(), (std::vector<int>{kEventTimer}));

  raise_event(kEventTimer, 1, 5, 0);
  raise_event(kEventGadget, 3, 5, 0);
  raise_event(kEventTimer, 1, 5, 0);
  EXPECT_EQ(drain(), (std::vector<int>{kEventTimer, kEventGadget, kEventTimer}));

  // Differing in any field, or with a code above 16 bits, an event gets its own node.
  raise_event(kEventTimer, 1, 5, 0);
  raise_event(kEventTimer, 2, 5, 0);
  raise_event(70000, 1, 5, 0);
  raise_event(70000, 1, 5, 0);
  EXPECT_EQ(drain(), (std::vector<int>{kEventTimer, kEventTimer, 70000, 70000}));
}

TEST_F(EventQueueTest, TakingCopiesTheHeadAndAnEmptyQueueAnswersZero) {
  raise_event(kEventGadget, 7, 2, kGadgetChange);
  EXPECT_EQ(take_event(), kEventGadget);
  EXPECT_EQ(event_object(), 7);
  EXPECT_EQ(event_window(), 2);
  EXPECT_EQ(event_type(), kGadgetChange);
  EXPECT_EQ(take_event(), 0);
  EXPECT_EQ(event_type(), -1);
  EXPECT_EQ(event_data(), nullptr);
}

TEST_F(EventQueueTest, TakenDataLivesUntilTheNextTakeAndIsReleasedOnce) {
  int* data = new int(42);
  raise_event(kEventGadgetDrop, 1, 1, 0, data, count_release);
  ASSERT_EQ(take_event(), kEventGadgetDrop);
  EXPECT_EQ(event_data(), data);
  EXPECT_EQ(releases, 0);
  take_event();
  EXPECT_EQ(releases, 1);
  take_event();
  EXPECT_EQ(releases, 1);
}

TEST_F(EventQueueTest, DataNobodyCanTakeIsReleasedAtOnce) {
  raise_event(kEventGadgetDrop, 1, 1, 0, new int(1), count_release);
  int* merged = new int(2);
  void* seen_during_dispatch = nullptr;
  static void** seen = nullptr;
  seen = &seen_during_dispatch;
  bind_event(
      kEventGadgetDrop, [] { *seen = event_data(); }, 1);
  raise_event(kEventGadgetDrop, 1, 1, 0, merged, count_release);
  // The merged event's procedures saw its own data, which then went.
  EXPECT_EQ(seen_during_dispatch, merged);
  EXPECT_EQ(releases, 1);

  remove_queued_events(kEventGadgetDrop, kAnyValue, kAnyValue, kAnyValue);
  EXPECT_EQ(releases, 2);

  suppress_events();
  raise_event(kEventGadgetDrop, 1, 1, 0, new int(3), count_release);
  resume_events();
  EXPECT_EQ(releases, 3);
  EXPECT_EQ(take_event(), 0);
}

TEST_F(EventQueueTest, RemovalMatchesEveryFieldWithWildcards) {
  raise_event(kEventGadget, 1, 1, 0);
  raise_event(kEventGadget, 2, 1, 0);
  raise_event(kEventTimer, 1, 1, 0);
  raise_event(kEventGadget, 1, 2, 0);
  remove_queued_events(kEventGadget, 1, kAnyValue, kAnyValue);
  ASSERT_EQ(take_event(), kEventGadget);
  EXPECT_EQ(event_object(), 2);
  EXPECT_EQ(drain(), (std::vector<int>{kEventTimer}));
}

TEST_F(EventQueueTest, SuppressedEventsAreLostUnlessForced) {
  bind_event(
      kEventGadget, [] { calls.push_back("gadget"); }, kAnyValue);
  suppress_events();
  suppress_events();
  raise_event(kEventGadget, 1, 1, kGadgetChange);
  resume_events();
  raise_event(kEventGadget, 2, 1, kGadgetChange);
  raise_event_forced(kEventGadget, 3, 1, 0);
  resume_events();
  EXPECT_EQ(calls, (std::vector<std::string>{"gadget"}));
  ASSERT_EQ(take_event(), kEventGadget);
  EXPECT_EQ(event_object(), 3);
  EXPECT_EQ(take_event(), 0);

  // Resuming more often than suppressing does not leave the thread suppressed.
  resume_events();
  raise_event(kEventGadget, 4, 1, 0);
  EXPECT_EQ(drain(), (std::vector<int>{kEventGadget}));
}

TEST_F(EventQueueTest, WaitWithoutTimeOutReturnsAtOnceWhenNothingIsThere) {
  EXPECT_EQ(window_wait_event(0), 0);
  EXPECT_EQ(headless->now(), 0);
  raise_event(kEventTimer, 9, 1, 0);
  EXPECT_EQ(window_wait_event(0), kEventTimer);
  EXPECT_EQ(event_object(), 9);
}

TEST_F(EventQueueTest, TimedWaitLetsVirtualTimePassAndReturnsZero) {
  EXPECT_EQ(window_wait_event(250), 0);
  EXPECT_EQ(headless->now(), 250);
}

}  // namespace
}  // namespace ambrel
