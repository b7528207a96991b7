#include <thread>

#include "headless_fixture.h"

namespace ambrel {
namespace {

std::thread::id procedure_thread;
int releases = 0;

using PostEventTest = HeadlessTest;

TEST_F(PostEventTest, WorkerEventIsRaisedForcedOnTheUserInterfaceThread) {
  int window = window_open(kAnyNumber, 0, 0, 10, 10, u"p", 0);
  drain();
  bind_event(
      kEventGadgetDrop, [] { procedure_thread = std::this_thread::get_id(); }, window);
  suppress_events();
  static int payload = 0;
  releases = 0;
  std::thread worker([window] {
    EXPECT_EQ(post_event(kEventGadgetDrop, 3, window, 0, &payload, [](void*) { ++releases; }), 1);
  });
  // Blocks until the worker's event arrives, however late.
  EXPECT_EQ(window_wait_event(-1), kBackendEventsDispatched);
  worker.join();
  resume_events();
  EXPECT_EQ(procedure_thread, std::this_thread::get_id());
  ASSERT_EQ(window_wait_event(0), kEventGadgetDrop);
  EXPECT_EQ(event_object(), 3);
  EXPECT_EQ(event_data(), &payload);
  EXPECT_EQ(releases, 0);
  take_event();
  EXPECT_EQ(releases, 1);
}

TEST_F(PostEventTest, PostingWithoutTheLibraryReleasesTheData) {
  end_services();
  releases = 0;
  static int payload = 0;
  EXPECT_EQ(post_event(kEventTimer, 1, 1, 0, &payload, [](void*) { ++releases; }), 0);
  EXPECT_EQ(releases, 1);
}

}  // namespace
}  // namespace ambrel
