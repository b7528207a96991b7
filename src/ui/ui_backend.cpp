#include "ui/ui_backend.h"

#include <atomic>
#include <utility>

#include "ui/backend_events.h"
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
  if (owned_backend()) owned_backend()->set_sink(&backend_events());
  current_backend.store(owned_backend().get());
  return true;
}

Backend* ui_backend() { return current_backend.load(); }

BackendWindows* ui_windows() { return ui_backend(); }

BackendControls* ui_controls() { return ui_backend(); }

BackendControlValues* ui_control_values() { return ui_backend(); }

BackendTextMetrics* ui_text_metrics() { return ui_backend(); }

BackendDesktop* ui_desktop() { return ui_backend(); }

BackendEventPump* ui_event_pump() { return ui_backend(); }

}  // namespace ambrel
