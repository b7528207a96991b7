#include "app/command_line.h"

#include "support/program_arguments.h"

namespace ambrel {
namespace {

constexpr std::string_view kUsageLine =
    "Usage: ambrel [--help | --version] [--identifiers] [FILE]\n";

constexpr ProgramOption kToolOptions[] = {{"--identifiers"}};

constexpr std::string_view kHelp =
    "Opens the Ambrel window: paste, open or drop an XML or JSON document into the input pane and\n"
    "the structure declarations for its data appear in the output pane. A FILE given here\n"
    "is loaded at the start, as a file dropped onto the input pane would be; further files\n"
    "are ignored, as in a drop. The output pane's context menu chooses names that compile\n"
    "(\"Valid identifiers\"), LF line ends for Copy all and JSON dictionaries declared as\n"
    "maps (\"Detect maps\", on at first); the choices are kept.\n"
    "\n"
    "  --identifiers  start with \"Valid identifiers\" on, as ambrel-gen --identifiers\n"
    "  --help         show this text and exit\n"
    "  --version      show the version and exit\n"
    "  --             end the options (a FILE named \"--help\", say, follows it)\n"
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

CommandLineOutcome read_command_line(const std::vector<std::string>& arguments,
                                     std::string_view version) {
  CommandLineOutcome outcome;
  outcome.open_window = true;
  bool file_named = false;
  for (const Argument& argument : read_arguments(arguments, kToolOptions)) {
    switch (argument.kind) {
      case Argument::Kind::option:  // --identifiers, the only one
        outcome.identifiers = true;
        break;
      case Argument::Kind::operand:
        // The first file only, as a drop of several loads the first.
        if (!file_named) outcome.file_to_load = argument.text;
        file_named = true;
        break;
      case Argument::Kind::help:
        return finish(std::string(kUsageLine) + std::string(kHelp));
      case Argument::Kind::version:
        return finish("ambrel " + std::string(version) + "\n");
      case Argument::Kind::wrong:
        return wrong(argument.text);
    }
  }
  return outcome;
}

}  // namespace ambrel
