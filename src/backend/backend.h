#pragma once

// The only way the ui layer reaches the platform. Three implementations exist: the Qt one
// and the Win32 one (real windows and controls) and the headless one (in-memory, fixed
// metrics, virtual clock, scripted input). Everything the platform reports comes back
// through BackendSink.
//
// A program holds one Backend; code that needs only one role of it takes that role's
// interface (ui_backend.h hands out each). Windows and controls are named by NativeHandle.
//
// All members but post are called on the user-interface thread only.

#include "backend/backend_control_values.h"
#include "backend/backend_controls.h"
#include "backend/backend_desktop.h"
#include "backend/backend_event_pump.h"
#include "backend/backend_sink.h"
#include "backend/backend_text_metrics.h"
#include "backend/backend_windows.h"

namespace ambrel {

class Backend : public BackendWindows,
                public BackendControls,
                public BackendControlValues,
                public BackendTextMetrics,
                public BackendDesktop,
                public BackendEventPump {
 public:
  ~Backend() override = default;
  Backend() = default;
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;
};

}  // namespace ambrel
