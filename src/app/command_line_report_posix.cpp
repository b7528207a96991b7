#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/command_line.h"

namespace ambrel {

// The help and the version count as shown only once standard output has taken them.
int report_command_line(const CommandLineOutcome& outcome) {
  std::fputs(outcome.standard_error.c_str(), stderr);
  if (std::fputs(outcome.standard_output.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "ambrel: cannot write to standard output: %s\n", std::strerror(errno));
    return kOutputNotWritten;
  }
  return outcome.exit_status;
}

}  // namespace ambrel
