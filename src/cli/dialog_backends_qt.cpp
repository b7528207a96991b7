#include <cstdlib>

#include "cli/dialog_backends.h"
#include "backend/headless/headless_backend.h"
#include "backend/qt/qt_backend.h"

namespace ambrel {

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

}  // namespace ambrel
