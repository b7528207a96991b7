#pragma once

// The backend the ui layer uses: chosen once at start-up, before the event and window
// libraries start, and kept until they have ended.

#include <memory>

#include "backend/backend.h"

namespace ambrel {

// Installs the backend (nullptr removes it); returns false while the window library runs.
bool use_backend(std::unique_ptr<Backend> backend);
// The backend in use, or nullptr.
Backend* ui_backend();
// Each role of the backend in use, for code that needs only that one; nullptr without one.
BackendWindows* ui_windows();
BackendControls* ui_controls();
BackendControlValues* ui_control_values();
BackendTextMetrics* ui_text_metrics();
BackendDesktop* ui_desktop();
BackendEventPump* ui_event_pump();

}  // namespace ambrel
