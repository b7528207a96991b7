#include "timer_demo.h"

#include "ui/events.h"
#include "ui/window.h"

namespace ambrel {

namespace {

constexpr int kDemoTimer = 1;
constexpr int kGiveUpAfterTicks = 40;

TimerDemoReport* report = nullptr;
int demo_window = 0;

void on_size() {
  ++report->size_procedure_calls;
  report->last_size_seen = {window_inner_width(demo_window), window_inner_height(demo_window)};
}

}  // namespace

TimerDemoReport run_timer_demo(const std::function<std::int64_t()>& clock,
                               const std::function<void(NativeHandle)>& script) {
  TimerDemoReport result;
  report = &result;
  demo_window = window_open(kAnyNumber, kKeepValue, kKeepValue, 400, 300, u"Ambrel timer demo",
                            kWindowSystemMenu | kWindowSizeGadget | kWindowScreenCentered);
  if (demo_window == 0) return result;
  bind_event(kEventSizeWindow, on_size, demo_window);
  std::int64_t start = clock();
  window_add_timer(demo_window, kDemoTimer, 100);
  script(window_handle(demo_window));
  while (result.tick_times.size() < kGiveUpAfterTicks) {
    int code = window_wait_event_forever();
    if (code == kEventTimer && event_object() == kDemoTimer)
      result.tick_times.push_back(clock() - start);
    if (code == kEventCloseWindow && event_window() == demo_window) {
      result.left_on_close_request = true;
      break;
    }
  }
  result.window_still_open_at_close = window_exists(demo_window);
  window_close(demo_window);
  report = nullptr;
  return result;
}

}  // namespace ambrel
