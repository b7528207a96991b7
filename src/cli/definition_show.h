#pragma once

// ambrel-dialog --show: the definition's window for real, with every event procedure it
// names printing its events on standard output, kept up until it is closed. When the
// definition is a file, the file is looked at a few times a second; when its text changes,
// the window is built again from it at the size it has, and the faults and warnings are told
// again. A text that does not open leaves the last window that did.

#include <string>

#include "cli/dialog_options.h"

namespace ambrel {

// The exit status: kExitOpened once the window is closed; kExitFaulty when a definition that
// cannot change (standard input, the embedded one) does not open; kExitOutOfMemory when
// memory runs out for such a definition.
int show_definition(const DialogOptions& options, const std::string& shown_name,
                    std::u16string text);

}  // namespace ambrel
