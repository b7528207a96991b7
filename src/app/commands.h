#pragma once

// The user's commands: the runtime procedures the embedded definition binds, and the
// regeneration and file loading they share with the event loop.

#include <cstdint>
#include <string_view>

namespace ambrel {

// The dialog the main window was opened into; every gadget is looked up through it.
void set_command_dialog(std::int32_t dialog);

// The regeneration timer of the main window.
inline constexpr int kRegenerationTimer = 117;
inline constexpr int kRegenerationDelay = 1000;

// Removes the timer, puts the declarations for the input into the output, and enables
// "Copy all" exactly when they are not empty.
void regenerate();

// Puts the file's text into the input and regenerates; an empty path, a missing file, a
// directory, an empty file and a file that cannot be opened or read change nothing.
void load_xml_file(std::u16string_view path);

// Publishes the six procedures under the names the definition binds.
void register_command_procedures();

}  // namespace ambrel
