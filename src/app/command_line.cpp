#include "app/command_line.h"

namespace ambrel {
namespace {

constexpr int kWrongCommandLine = 2;

constexpr std::string_view kUsageLine = "Usage: ambrel [--help | --version]\n";

constexpr std::string_view kHelp =
    "Opens the Ambrel window: paste, open or drop an XML document into the input pane and\n"
    "the structure declarations for its data appear in the output pane.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "For the declarations on standard output without a window, see ambrel-gen(1).\n";

CommandLineOutcome wrong(const std::string& problem) {
  CommandLineOutcome outcome;
  outcome.exit_status = kWrongCommandLine;
  outcome.standard_error = "ambrel: " + problem + "\n" + std::string(kUsageLine);
  return outcome;
}

CommandLineOutcome finish(std::string text) {
  CommandLineOutcome outcome;
  outcome.standard_output = std::move(text);
  return outcome;
}

}  // namespace

CommandLineOutcome read_command_line(const std::vector<std::string_view>& arguments,
                                     std::string_view version) {
  bool options_ended = false;
  for (std::string_view argument : arguments) {
    bool is_option = !options_ended && argument.size() > 1 && argument[0] == '-';
    if (!is_option) return wrong("unexpected argument '" + std::string(argument) + "'");
    if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help") {
      return finish(std::string(kUsageLine) + std::string(kHelp));
    } else if (argument == "--version") {
      return finish("ambrel " + std::string(version) + "\n");
    } else {
      return wrong("unknown option '" + std::string(argument) + "'");
    }
  }
  CommandLineOutcome outcome;
  outcome.open_window = true;
  return outcome;
}

}  // namespace ambrel
