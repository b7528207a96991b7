#pragma once

// The desktop tool's command line: it takes no input, only --help and --version, which
// print and end the program before any window or toolkit starts.

#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

struct CommandLineOutcome {
  bool open_window = false;  // false: end with `exit_status` after printing
  int exit_status = 0;
  std::string standard_output;
  std::string standard_error;
};

// `arguments` without the program name.
CommandLineOutcome read_command_line(const std::vector<std::string_view>& arguments,
                                     std::string_view version);

}  // namespace ambrel
