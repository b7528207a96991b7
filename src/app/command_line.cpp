#include "app/command_line.h"

#include "support/program_arguments.h"

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
  std::vector<std::string> line(arguments.begin(), arguments.end());
  for (const Argument& argument : read_arguments(line, {})) {
    switch (argument.kind) {
      case Argument::Kind::option:  // none: the tool has no options of its own
      case Argument::Kind::operand:
        return wrong("unexpected argument '" + argument.text + "'");
      case Argument::Kind::help:
        return finish(std::string(kUsageLine) + std::string(kHelp));
      case Argument::Kind::version:
        return finish("ambrel " + std::string(version) + "\n");
      case Argument::Kind::wrong:
        return wrong(argument.text);
    }
  }
  CommandLineOutcome outcome;
  outcome.open_window = true;
  return outcome;
}

}  // namespace ambrel
