#pragma once

// The command line of ambrel-dialog.

#include <string>
#include <vector>

#include "support/program_arguments.h"

namespace ambrel {

// ambrel-dialog's exit statuses.
inline constexpr int kExitOpened = 0;
inline constexpr int kExitFaulty = 1;  // the definition does not open (or warns, when that fails)
inline constexpr int kExitCannotRun = 2;
inline constexpr int kExitOutOfMemory = 3;

struct InnerSize {
  int width = 0;
  int height = 0;
};

// What becomes of the warnings about a definition.
enum class WarningRule {
  shown,     // printed; the window opens all the same
  silenced,  // not printed (--no-warnings)
  failing,   // printed, and they make the definition faulty (--warnings-as-errors)
};

struct DialogOptions {
  std::u16string window_name;  // empty: the first window
  InnerSize open_size;
  std::vector<InnerSize> resizes;
  std::vector<std::u16string> procedures;
  bool any_procedure = false;
  bool toolkit = false;  // draw with the platform's toolkit, not the headless backend
  std::string png_path;  // empty: no screenshot
  bool show = false;     // keep the real window up, rebuilt when the file changes
  WarningRule warnings = WarningRule::shown;
  bool embedded = false;
  std::string file;
};

using ParsedOptions = ParsedCommandLine<DialogOptions>;

ParsedOptions parse_dialog_options(const std::vector<std::string>& arguments);

}  // namespace ambrel
