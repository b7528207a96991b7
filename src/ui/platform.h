#pragma once

// The process-wide backend: chosen once at start-up, before the event and window libraries
// start, and kept until they have ended.

#include <memory>

#include "ui/backend/backend.h"

namespace ambrel {

// Installs the backend (nullptr removes it); returns false while the window library runs.
bool use_backend(std::unique_ptr<Backend> backend);
// The backend in use, or nullptr.
Backend* ui_backend();

}  // namespace ambrel
