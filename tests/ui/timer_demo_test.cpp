#include "headless_fixture.h"
#include "timer_demo.h"

namespace ambrel {
namespace {

using TimerDemoTest = HeadlessTest;

TEST_F(TimerDemoTest, RunsUnderTheVirtualClock) {
  HeadlessBackend& backend = *headless;
  TimerDemoReport report =
      run_timer_demo([&backend] { return backend.now(); },
                     [&backend](NativeHandle window) {
                       backend.schedule(150, [&backend, window] {
                         for (int step = 1; step <= 5; ++step)
                           backend.user_resize(window, {400 + 20 * step, 300 + 10 * step});
                       });
                       backend.schedule(450, [&backend, window] { backend.user_close(window); });
                     });
  EXPECT_EQ(report.tick_times, (std::vector<std::int64_t>{100, 200, 300, 400}));
  EXPECT_EQ(report.size_procedure_calls, 5);
  EXPECT_EQ(report.last_size_seen, (Size{500, 350}));
  EXPECT_TRUE(report.left_on_close_request);
  EXPECT_EQ(report.window_still_open_at_close, 1);
}

}  // namespace
}  // namespace ambrel
