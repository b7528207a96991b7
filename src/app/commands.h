#pragma once

// The user's commands: the runtime procedures the embedded definition binds, and the
// regeneration and file loading they share with the event loop.

#include <cstdint>
#include <string_view>

namespace ambrel {

// From start-up to shutdown: the commands work on the gadgets of `dialog`, the dialog the
// main window was opened into, and keep its output to the newest input (see Regeneration).
void start_commands(std::int32_t dialog);
// Stops what runs for them (a generation, the filling of the input).
void end_commands();

// Removes the timer and declares the input's text into the output; "Copy all" is enabled
// exactly when the declarations are not empty. The declarations come later, through the
// event wait (see take_command_event).
void regenerate();

// Puts the file's text into the input and declares it at once; an empty path, a missing file,
// a directory, an empty file and a file that cannot be opened or read change nothing.
void load_xml_file(std::u16string_view path);

// Whether something a command started still runs: a generation, or the filling of the input.
bool commands_working();

// Acts on an event that the commands' own work posted; false for any other code.
bool take_command_event(int code);

// Publishes the six procedures under the names the definition binds.
void register_command_procedures();

}  // namespace ambrel
