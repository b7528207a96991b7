#pragma once

// The desktop tool's command line: a FILE to open the window with and --identifiers, or --help
// and --version, which print and end the program before any window or toolkit starts.

#include <string>
#include <vector>

namespace ambrel {

// The program's exit statuses besides 0 and the 1 of a failed start.
inline constexpr int kWrongCommandLine = 2;
inline constexpr int kOutputNotWritten = 4;

struct CommandLineOutcome {
  bool open_window = false;  // false: end with `exit_status` after printing
  int exit_status = 0;
  std::string standard_output;
  std::string standard_error;
  // What the window opens with, loaded as a drop of it would be, as the program start gave
  // it (see native_path_of_argument: on POSIX systems bytes that need not be UTF-8, which
  // must reach the system unchanged); empty: nothing.
  std::string file_to_load;
  bool identifiers = false;  // "Valid identifiers" on from the start
};

// `arguments` without the program name, as UTF-8.
CommandLineOutcome read_command_line(const std::vector<std::string>& arguments,
                                     std::string_view version);

// Shows the texts of an outcome that does not open the window where the user who started the
// program sees them, and returns its exit status, or kOutputNotWritten (after saying so on
// standard error) when standard output does not take its text. One file per platform:
// command_line_report_posix.cpp, command_line_report_win32.cpp.
int report_command_line(const CommandLineOutcome& outcome);

}  // namespace ambrel
