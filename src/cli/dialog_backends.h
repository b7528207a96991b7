#pragma once

#include <memory>

#include "backend/backend.h"

namespace ambrel {

// The backends ambrel-dialog draws on: the headless one always, and the platform's real
// toolkit where the build has one: Qt (dialog_backends_qt.cpp) or Win32
// (dialog_backends_win32.cpp); dialog_backends_headless.cpp for builds with neither.

// False when this build has no real toolkit to draw with (--qt, --png).
bool toolkit_backend_available();

std::unique_ptr<Backend> make_dialog_backend(bool toolkit);

}  // namespace ambrel
