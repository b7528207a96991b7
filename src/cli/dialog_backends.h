#pragma once

#include <memory>
#include <string>

#include "ui/backend/backend.h"

namespace ambrel {

// The backends ambrel-dialog draws on: the headless one always, Qt where the build has
// it (dialog_backends_qt.cpp; dialog_backends_headless.cpp for builds without Qt).

// False when this build cannot draw with Qt (--qt, --png).
bool qt_backend_available();

std::unique_ptr<Backend> make_dialog_backend(bool qt);

// Lets a toolkit apply sizes and paint before the tree is read.
void settle_dialog_backend(bool qt);

// Saves the window as a PNG picture; false when it cannot.
bool save_dialog_screenshot(const std::string& path, int window);

}  // namespace ambrel
