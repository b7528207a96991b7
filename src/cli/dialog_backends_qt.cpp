#include <cstdlib>

#include "cli/dialog_backends.h"
#include "ui/backend/headless/headless_backend.h"
#include "ui/backend/qt/qt_backend.h"
#include "ui/events.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {

namespace {

// Enough rounds of the event pump for Qt to apply sizes and paint before a look.
constexpr int kSettleRounds = 50;

}  // namespace

bool toolkit_backend_available() { return true; }

std::unique_ptr<Backend> make_dialog_backend(bool toolkit) {
  if (!toolkit) return std::make_unique<HeadlessBackend>();
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((display == nullptr || *display == '\0') && (wayland == nullptr || *wayland == '\0')) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  return std::make_unique<QtBackend>();
}

void settle_dialog_backend(bool toolkit) {
  if (!toolkit) return;
  for (int i = 0; i < kSettleRounds && window_wait_event(0) != 0; ++i) {}
}

}  // namespace ambrel
