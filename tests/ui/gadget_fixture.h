#pragma once

#include <vector>

#include "headless_fixture.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {

// A gadget event as the application takes it.
struct TakenEvent {
  int object = 0;
  int type = 0;
  friend bool operator==(const TakenEvent&, const TakenEvent&) = default;
};

// A headless test with one open window as the gadget list.
class GadgetTest : public HeadlessTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(HeadlessTest::SetUp());
    window = window_open(kAnyNumber, 0, 0, 400, 300, u"w", kWindowSizeGadget);
    handle = window_handle(window);
    drain();
  }

  // Takes every queued event; returns the gadget events among them.
  static std::vector<TakenEvent> drain_gadget_events() {
    std::vector<TakenEvent> events;
    while (int code = take_event()) {
      if (code == kEventGadget) events.push_back({event_object(), event_type()});
    }
    return events;
  }

  int window = 0;
  NativeHandle handle;
};

}  // namespace ambrel
