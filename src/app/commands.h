#pragma once

// The user's commands: the runtime procedures the embedded definition binds, and the
// regeneration and file loading they share with the event loop.

#include <cstdint>
#include <string_view>

#include "app/output_choices.h"
#include "support/platform_file.h"

namespace ambrel {

// From start-up to shutdown: the commands work on the gadgets of `dialog`, the dialog the
// main window was opened into, and keep its output to the newest input (see Regeneration),
// written as `choices` say; the output editor's menu turns the choices over.
void start_commands(std::int32_t dialog, OutputChoices choices);
// Stops what runs for them (a generation, the filling of the input).
void end_commands();

// Removes the timer and declares the input's text into the output; "Copy all" is enabled
// exactly when the declarations are not empty. The declarations come later, through the
// event wait (see take_command_event).
void regenerate();

// How much of a pipe or device a load reads: the input editor holds all of it, and a pipe may
// never end.
inline constexpr std::uint64_t kStreamLoadLimit = std::uint64_t{16} << 20;

// Puts the file's text into the input and declares it at once; an empty path, a missing file,
// a directory, an empty file and a file that cannot be opened or read change nothing. The
// file is opened and read on another thread (see FileLoad): the input changes once its first
// text has come, unless a paste, a clear or another load came first. A pipe or device is
// read no further than `stream_limit` bytes, which standard error then tells.
void load_xml_file(const NativePath& path, std::uint64_t stream_limit = kStreamLoadLimit);
// The same for a name the user interface holds (a drop, the open-file dialog).
void load_xml_file(std::u16string_view path);

// Whether something a command started still runs: a generation, the filling of the input, or
// the opening of a file.
bool commands_working();

// Acts on an event that the commands' own work posted; false for any other code.
bool take_command_event(int code);

// Publishes the six procedures under the names the definition binds.
void register_command_procedures();

}  // namespace ambrel
