#include "cli/dialog_backends.h"
#include "backend/headless/headless_backend.h"
#include "backend/win32/win32_backend.h"

namespace ambrel {

bool toolkit_backend_available() { return true; }

std::unique_ptr<Backend> make_dialog_backend(bool toolkit) {
  if (!toolkit) return std::make_unique<HeadlessBackend>();
  return std::make_unique<Win32Backend>();
}

}  // namespace ambrel
