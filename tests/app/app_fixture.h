#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/application.h"
#include "dialog/dialog.h"
#include "settle_commands.h"
#include "backend/headless/headless_backend.h"
#include "ui/gadget.h"
#include "ui/window.h"

namespace ambrel {

// The whole application on the headless backend. A test schedules the user's input and its
// checks on the virtual clock, ends with a close, and runs the real event loop through it.
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<HeadlessBackend>();
    headless = backend.get();
    ASSERT_EQ(application_start(std::move(backend)), 0);
  }

  void TearDown() override {
    if (running) application_end();
  }

  int gadget(std::u16string_view name) const { return dialog_gadget(application_dialog(), name); }
  NativeHandle handle(std::u16string_view name) const { return gadget_handle(gadget(name)); }
  std::u16string text(std::u16string_view name) const { return get_gadget_text(gadget(name)); }
  bool enabled(std::u16string_view name) const { return headless->control_enabled(handle(name)); }
  NativeHandle main_window() const { return window_handle(dialog_window(application_dialog())); }

  // Runs `action` when the virtual clock reads `time` (milliseconds from the start).
  void at(std::int64_t time, std::function<void()> action) {
    headless->schedule(time - headless->now(), std::move(action));
  }

  // Closes the window at `time` and runs the event loop until it ends.
  void run_until_closed_at(std::int64_t time) {
    at(time, [this] { headless->user_close(main_window()); });
    application_run_loop();
  }

  // The virtual clock stands still meanwhile. Not from inside a scheduled action.
  void settle() { settle_commands(); }

  // Clicks a button of the main window.
  void click(std::u16string_view name) {
    headless->user_click(handle(name), MouseButton::Left, {1, 1});
  }

  HeadlessBackend* headless = nullptr;
  bool running = true;
};

}  // namespace ambrel
