#pragma once

// The desktop tool: start-up, the event loop and shutdown, on whichever backend the caller
// chooses (Qt for the real program, the headless one for tests).

#include <cstdint>
#include <memory>
#include <string_view>

#include "app/output_choices.h"
#include "support/platform_file.h"
#include "backend/backend.h"

namespace ambrel {

// Starts every service on `backend`, publishes the event procedures, opens the main window
// from the embedded definition, titles it and accepts file drops on its input frame; the
// output is written as `choices` say. Returns 0, or 1 when the services cannot start (they
// are running already, or the backend is refused).
int application_start(std::unique_ptr<Backend> backend,
                      OutputChoices choices = OutputChoices::unkept());

class ToolWindow;

// The main window while the application runs, else nullptr.
ToolWindow* application_window();
// The dialog the main window was opened into (0 when the application is not running).
std::int32_t application_dialog();

// Acts on what a wait for events returned (`code`): a drop of files, the regeneration timer,
// a window asked to close (false); any other code is left alone.
bool application_handle_event(int code);

// Runs the event loop until a window is asked to close.
void application_run_loop();

// Frees the dialogs (closing the main window), then shuts every service down.
void application_end();

// The whole program, its window opened with `file` loaded as a drop of it would load it
// (nothing for an empty path); its exit status (0).
int run_application(std::unique_ptr<Backend> backend, const NativePath& file = {},
                    OutputChoices choices = OutputChoices::unkept());

}  // namespace ambrel
