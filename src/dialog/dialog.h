#pragma once

// Dialogs: numbered records that open one window of a dialog definition and keep its
// object tree. Every operation on an unknown dialog number returns 0 or -1 and does
// nothing else.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/definition/definition_notes.h"
#include "backend/backend.h"

namespace ambrel {

class DialogObject;

// Start-up (after the gadget library; true once it runs) and exit (before it ends); the exit
// frees every dialog.
bool dialog_library_init();
void dialog_library_end();

// Creates (or re-creates) a dialog; kAnyNumber gives an automatic number. Returns the
// automatic number, or 1 for an explicit one; 0 on failure.
std::int32_t dialog_create(std::int32_t dialog);

// Opens the window named window_name (any case; null or empty: the first window) of the
// parsed definition `document` at (x, y). 1 on success; 0 on failure, with the reason in
// dialog_error_text.
int dialog_open(std::int32_t dialog, int document, const char16_t* window_name, int x, int y);
// The same with a wished inner size (raised to what the content requests) and an owner.
int dialog_open_sized(std::int32_t dialog, int document, const char16_t* window_name, int x, int y,
                      int width, int height, NativeHandle parent_window);

// The number of the dialog's window, or -1.
std::int32_t dialog_window(std::int32_t dialog);
// The gadget of the first object named `name` (any case), depth-first in document order;
// -1 when nothing matches or the object has no gadget.
std::int32_t dialog_gadget(std::int32_t dialog, std::u16string_view name);
// The first error of the last open (UTF-8), empty when there was none.
std::string dialog_error_text(std::int32_t dialog);
// The same with where it points in the definition (known when the definition was parsed with
// its positions); none when the last open had no error.
std::optional<DefinitionMessage> dialog_error_message(std::int32_t dialog);
// What the last open ignored or changed by design, each where the definition says it, in the
// order the engine met it. Only observations: the open built what it builds without them.
std::vector<DefinitionMessage> dialog_warnings(std::int32_t dialog);
// The window object of the last successful open, or null.
const DialogObject* dialog_root(std::int32_t dialog);

// Frees one dialog, or every dialog for kAnyNumber: its object tree goes, then its window.
void dialog_free(std::int32_t dialog);

}  // namespace ambrel
