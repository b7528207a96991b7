#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ui/backend/headless/headless_backend.h"
#include "ui_libraries.h"

namespace ambrel {

// Every test starts with a fresh headless backend, both libraries running and an empty queue.
class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<HeadlessBackend>();
    headless = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_ui_libraries(std::move(backend), UiLibraries::kWindows));
  }

  void TearDown() override { end_ui_libraries(UiLibraries::kWindows); }

  // Takes every queued event; returns their codes in order.
  static std::vector<int> drain() {
    std::vector<int> codes;
    while (int code = take_event()) codes.push_back(code);
    return codes;
  }

  HeadlessBackend* headless = nullptr;
};

}  // namespace ambrel
