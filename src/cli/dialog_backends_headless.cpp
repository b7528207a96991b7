#include "cli/dialog_backends.h"
#include "backend/headless/headless_backend.h"

namespace ambrel {

bool toolkit_backend_available() { return false; }

std::unique_ptr<Backend> make_dialog_backend(bool) { return std::make_unique<HeadlessBackend>(); }

}  // namespace ambrel
