#include <string>
#include <vector>

#include "headless_fixture.h"

namespace ambrel {
namespace {

std::vector<std::string> calls;

void record(const char* name) { calls.push_back(name); }

class EventBindingsTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    calls.clear();
  }
};

TEST_F(EventBindingsTest, FiveKeysAreCalledInTheirOrder) {
  bind_gadget_event(
      kEventGadget, [] { record("code, any object"); }, kAnyValue, 4, 768);
  bind_gadget_event(
      kEventGadget, [] { record("code only"); }, kAnyValue, kAnyValue, kAnyValue);
  bind_gadget_event(
      kEventGadget, [] { record("window"); }, 2, kAnyValue, kAnyValue);
  bind_gadget_event(
      kEventGadget, [] { record("window, object"); }, 2, 4, kAnyValue);
  bind_gadget_event(
      kEventGadget, [] { record("exact"); }, 2, 4, 768);
  bind_gadget_event(
      kEventGadget, [] { record("other window"); }, 3, kAnyValue, kAnyValue);
  bind_gadget_event(
      kEventGadget, [] { record("other type"); }, 2, 4, 0);
  raise_event(kEventGadget, 4, 2, 768);
  EXPECT_EQ(calls, (std::vector<std::string>{"exact", "window, object", "window", "code only",
                                             "code, any object"}));
}

TEST_F(EventBindingsTest, NewestBindingFirstAndTwiceBoundIsCalledTwice) {
  bind_event(
      kEventTimer, [] { record("first"); }, 1);
  bind_event(
      kEventTimer, [] { record("second"); }, 1);
  EventProcedure twice = [] { record("twice"); };
  bind_event(kEventTimer, twice, 1);
  bind_event(kEventTimer, twice, 1);
  raise_event(kEventTimer, 0, 1, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"twice", "twice", "second", "first"}));
}

TEST_F(EventBindingsTest, UnbindDeactivatesOneBindingOfTheWindowKey) {
  EventProcedure procedure = [] { record("bound"); };
  bind_event(kEventTimer, procedure, 1);
  bind_event(kEventTimer, procedure, 1);
  EXPECT_EQ(unbind_event(kEventTimer, procedure, 2), 0);
  EXPECT_EQ(unbind_event(kEventTimer, procedure, 1), 1);
  raise_event(kEventTimer, 0, 1, 0);
  EXPECT_EQ(calls.size(), 1u);
  EXPECT_EQ(unbind_event(kEventTimer, procedure, 1), 1);
  EXPECT_EQ(unbind_event(kEventTimer, procedure, 1), 0);
  raise_event(kEventTimer, 0, 1, 0);
  EXPECT_EQ(calls.size(), 1u);
}

EventProcedure late_procedure = [] { record("late"); };
EventProcedure victim_procedure = [] { record("victim"); };

TEST_F(EventBindingsTest, BindingAndUnbindingDuringAWalkAreSafe) {
  bind_event(kEventTimer, victim_procedure, 1);
  bind_event(
      kEventTimer,
      [] {
        record("binder");
        bind_event(kEventTimer, late_procedure, 1);
        unbind_event(kEventTimer, victim_procedure, 1);
      },
      1);
  raise_event(kEventTimer, 0, 1, 0);
  // The new binding waits for the next walk; the unbound one is skipped at once.
  EXPECT_EQ(calls, (std::vector<std::string>{"binder"}));
  calls.clear();
  raise_event(kEventTimer, 0, 1, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"late", "binder"}));
}

TEST_F(EventBindingsTest, CurrentEventIsTheCallersAndComesBackAfterwards) {
  static std::vector<int> types;
  types.clear();
  bind_event(
      kEventGadget,
      [] {
        types.push_back(event_type());
        if (event_type() == 1) raise_event(kEventGadget, 8, 1, 2);
        types.push_back(event_type());
      },
      1);
  raise_event(kEventTimer, 5, 1, 0);
  ASSERT_EQ(take_event(), kEventTimer);
  raise_event(kEventGadget, 8, 1, 1);
  EXPECT_EQ(types, (std::vector<int>{1, 2, 2, 1}));
  // Outside any procedure the taken timer event is current again.
  EXPECT_EQ(event_type(), 0);
  EXPECT_EQ(event_object(), 5);
}

TEST_F(EventBindingsTest, BindingsOfAClosedWindowAreDropped) {
  int window = window_open(kAnyNumber, 0, 0, 100, 100, u"t", 0);
  ASSERT_NE(window, 0);
  bind_event(
      kEventTimer, [] { record("window"); }, window);
  bind_event(
      kEventTimer, [] { record("any"); }, kAnyValue);
  window_close(window);
  raise_event(kEventTimer, 0, window, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"any"}));
}

TEST_F(EventBindingsTest, ClosingTheRaisingWindowInsideItsProcedureIsSafe) {
  static int window = 0;
  window = window_open(kAnyNumber, 0, 0, 100, 100, u"t", 0);
  bind_event(
      kEventCloseWindow,
      [] {
        record("closing");
        window_close(window);
      },
      window);
  bind_event(
      kEventCloseWindow, [] { record("before"); }, window);
  bind_event(
      kEventCloseWindow, [] { record("global"); }, kAnyValue);
  headless->user_close(window_handle(window));
  EXPECT_EQ(calls, (std::vector<std::string>{"before", "closing", "global"}));
  EXPECT_EQ(window_exists(window), 0);
  // The close event went with its window.
  EXPECT_EQ(take_event(), 0);
}

TEST_F(EventBindingsTest, EndingTheLibraryInsideAProcedureIsSafe) {
  bind_event(
      kEventTimer,
      [] {
        record("ending");
        event_library_end();
      },
      1);
  bind_event(
      kEventTimer, [] { record("after end"); }, kAnyValue);
  raise_event(kEventTimer, 0, 1, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"ending"}));
  EXPECT_EQ(bind_event(
                kEventTimer, [] {}, 1),
            0);
  // The services end and start again whole, the table's pending end forgotten.
  end_services();
  ASSERT_NO_FATAL_FAILURE(start_services(std::make_unique<HeadlessBackend>()));
  EXPECT_EQ(bind_event(
                kEventTimer, [] {}, 1),
            1);
}

}  // namespace
}  // namespace ambrel
