#include "ui/platform.h"

#include <atomic>
#include <utility>

#include "ui/platform_events.h"
#include "ui/window_registry.h"

namespace ambrel {

namespace {

std::unique_ptr<Backend>& owned_backend() {
  static std::unique_ptr<Backend> backend;
  return backend;
}

// Read by other threads posting events, so kept apart from the owning pointer.
std::atomic<Backend*> current_backend{nullptr};

}  // namespace

bool use_backend(std::unique_ptr<Backend> backend) {
  if (window_library_running()) return false;
  if (owned_backend()) owned_backend()->set_sink(nullptr);
  current_backend.store(nullptr);
  owned_backend() = std::move(backend);
  if (owned_backend()) owned_backend()->set_sink(&platform_events());
  current_backend.store(owned_backend().get());
  return true;
}

Backend* ui_backend() { return current_backend.load(); }

}  // namespace ambrel
