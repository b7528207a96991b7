#include "cli/dialog_backends.h"
#include "ui/backend/headless/headless_backend.h"
#include "ui/backend/win32/win32_backend.h"
#include "ui/events.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {

namespace {

// Enough turns of the message pump for the controls to take their sizes and paint.
constexpr int kSettleRounds = 50;

}  // namespace

bool toolkit_backend_available() { return true; }

std::unique_ptr<Backend> make_dialog_backend(bool toolkit) {
  if (!toolkit) return std::make_unique<HeadlessBackend>();
  return std::make_unique<Win32Backend>();
}

void settle_dialog_backend(bool toolkit) {
  if (!toolkit) return;
  for (int i = 0; i < kSettleRounds && window_wait_event(0) != 0; ++i) {}
}

}  // namespace ambrel
