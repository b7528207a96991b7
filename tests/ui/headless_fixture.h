#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "services_fixture.h"
#include "backend/headless/headless_backend.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {

// Every test starts with a fresh headless backend, every service running and an empty queue.
class HeadlessTest : public ServicesTest {
 protected:
  void SetUp() override {
    auto backend = std::make_unique<HeadlessBackend>();
    headless = backend.get();
    ASSERT_NO_FATAL_FAILURE(start_services(std::move(backend)));
  }

  // Runs what the backend has to run (posted tasks, idle turns) until nothing is left.
  void settle() {
    while (headless->pump(0) != 0) {}
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
