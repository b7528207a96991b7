#pragma once

// The X clipboard's text read over a connection and a thread of the reading's own. Qt reads a
// selection on the user-interface thread and answers no other event until the owner has sent
// all of it, which for a large text held the window for over a second.

#include <memory>

#include "ui/backend/backend_desktop.h"

namespace ambrel {

// Starts reading the CLIPBOARD selection of another X program into `sink`; null when this
// program holds the clipboard (its text is at hand), the platform is not X, or the X server
// cannot be reached, so that the caller reads the clipboard another way.
std::unique_ptr<ClipboardReading> start_x_clipboard_reading(
    const std::shared_ptr<ClipboardTextSink>& sink);

}  // namespace ambrel
