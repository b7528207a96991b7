#pragma once

#include <memory>
#include <utility>

#include "fuzz_text.h"
#include "services/services.h"

namespace ambrel {

// Starts the services for the whole run of a target. libFuzzer leaves the process from
// inside its loop, when the main thread's own state may already be gone, so they are never
// ended; the pointer keeps them reachable for the leak checker.
inline void start_fuzz_services(std::unique_ptr<Backend> backend = nullptr) {
  static Services* services = nullptr;
  services = Services::start(std::move(backend)).release();
  fuzz_require(services != nullptr, "the services start");
}

}  // namespace ambrel
