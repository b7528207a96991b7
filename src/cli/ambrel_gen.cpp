// ambrel-gen: prints the declarations for XML or JSON files or standard input, as UTF-8, by
// default byte for byte what the desktop tool's output pane holds.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "cli/gen_options.h"
#include "cli/gen_pipeline.h"
#include "cli/output_input_clash.h"
#include "cli/program_start.h"

namespace ambrel {
namespace {

int usage_error(const std::string& problem) {
  std::fprintf(stderr, "ambrel-gen: %s\nTry 'ambrel-gen --help'.\n", problem.c_str());
  return kGenUsageError;
}

// The help and the version count as shown only once standard output has taken them.
int print(const std::string& text) {
  if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "ambrel-gen: cannot write to standard output: %s\n", std::strerror(errno));
    return kGenWriteError;
  }
  return kGenWellFormed;
}

int run(const std::vector<std::string>& arguments) {
  ParsedGenOptions parsed = parse_gen_options(arguments);
  if (parsed.help) return print(kGenUsage);
  if (parsed.version) return print(std::string("ambrel-gen ") + AMBREL_VERSION + "\n");
  if (!parsed.options) return usage_error(parsed.problem);
  std::string clash = output_input_clash(*parsed.options);
  if (!clash.empty()) return usage_error(clash);
  return generate_from_inputs(*parsed.options);
}

}  // namespace
}  // namespace ambrel

int main(int argc, char** argv) {
  // Memory can run out before the input is known, too; that is still no abort.
  try {
    return ambrel::run(ambrel::start_program(argc, argv));
  } catch (const std::bad_alloc&) {
    std::fputs("ambrel-gen: out of memory\n", stderr);
    return ambrel::kGenOutOfMemory;
  }
}
