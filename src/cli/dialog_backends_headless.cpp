#include "cli/dialog_backends.h"
#include "ui/backend/headless/headless_backend.h"

namespace ambrel {

bool qt_backend_available() { return false; }

std::unique_ptr<Backend> make_dialog_backend(bool) { return std::make_unique<HeadlessBackend>(); }

void settle_dialog_backend(bool) {}

bool save_dialog_screenshot(const std::string&, int) { return false; }

}  // namespace ambrel
