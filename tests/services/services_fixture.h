#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "services/services.h"
#include "backend/backend.h"

namespace ambrel {

// A test that owns the process-wide services: started in SetUp, without a user interface
// unless a fixture starts them on a backend instead, and ended with the test object.
class ServicesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NO_FATAL_FAILURE(start_services()); }

  // Asserts, so a fixture calls it inside ASSERT_NO_FATAL_FAILURE.
  void start_services(std::unique_ptr<Backend> backend = nullptr) {
    services_ = Services::start(std::move(backend));
    ASSERT_NE(services_, nullptr) << "the services are running already, or the backend was refused";
  }

  void end_services() { services_.reset(); }

 private:
  std::unique_ptr<Services> services_;
};

}  // namespace ambrel
