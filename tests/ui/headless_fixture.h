#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "ui/backend/headless/headless_backend.h"
#include "ui/events.h"
#include "ui/platform.h"
#include "ui/window.h"

namespace ambrel {

// Every test starts with a fresh headless backend, both libraries running and an empty queue.
class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<HeadlessBackend>();
    headless = backend.get();
    ASSERT_TRUE(use_backend(std::move(backend)));
    ASSERT_EQ(event_library_init(), 1);
    ASSERT_EQ(window_library_init(), 1);
  }

  void TearDown() override {
    window_library_end();
    event_library_end();
    while (take_event() != 0) {
    }
    take_event();  // releases the data of the last event taken
    use_backend(nullptr);
  }

  // Takes every queued event; returns their codes in order.
  static std::vector<int> drain() {
    std::vector<int> codes;
    while (int code = take_event()) codes.push_back(code);
    return codes;
  }

  HeadlessBackend* headless = nullptr;
};

}  // namespace ambrel
