#pragma once

// The X clipboard's text read over a connection and a thread of the reading's own. Qt reads a
// selection on the user-interface thread and answers no other event until the owner has sent
// all of it, which for a large text held the window for over a second.

#include <memory>

#include "backend/backend_desktop.h"

namespace ambrel {

// Whether the clipboard is another X program's: this program's is at hand, and other
// platforms are read Qt's way.
bool x_clipboard_of_another_program();

// Starts reading the CLIPBOARD selection of another X program into `text`; null when it is
// not another X program's, or the X server cannot be reached, so that the caller reads the
// clipboard another way.
std::unique_ptr<ClipboardReading> start_x_clipboard_reading(
    const std::shared_ptr<TextStream>& text);

}  // namespace ambrel
