#include "support/program_arguments.h"

#include "support/name_quoting.h"

namespace ambrel {

namespace {

#if defined(_WIN32)
constexpr bool kSlashQuestionMarkAsksForHelp = true;
#else
constexpr bool kSlashQuestionMarkAsksForHelp = false;  // "/?" is a name like any other here
#endif

const ProgramOption* find_option(std::span<const ProgramOption> options, std::string_view name) {
  for (const ProgramOption& option : options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

Argument operand(const std::string& text) { return {Argument::Kind::operand, {}, text}; }
Argument asking(Argument::Kind kind) { return {kind, {}, {}}; }
Argument wrong(std::string problem) { return {Argument::Kind::wrong, {}, std::move(problem)}; }

// The argument at `at`, before the end of the options; an option that takes a value takes
// the next argument too, and `at` moves onto it.
Argument argument_at(const std::vector<std::string>& arguments, std::size_t& at,
                     std::span<const ProgramOption> options) {
  const std::string& argument = arguments[at];
  if (kSlashQuestionMarkAsksForHelp && argument == "/?") return asking(Argument::Kind::help);
  if (argument.size() < 2 || argument[0] != '-') return operand(argument);
  if (argument == "--help") return asking(Argument::Kind::help);
  if (argument == "--version") return asking(Argument::Kind::version);
  const ProgramOption* option = find_option(options, argument);
  if (option == nullptr) return wrong("unknown option " + quoted_name(argument));
  if (option->value.empty()) return {Argument::Kind::option, option->name, {}};
  if (at + 1 == arguments.size()) return wrong(argument + " needs " + std::string(option->value));
  return {Argument::Kind::option, option->name, arguments[++at]};
}

// Whether nothing after the argument counts.
bool ends_the_line(const Argument& argument) {
  switch (argument.kind) {
    case Argument::Kind::option:
    case Argument::Kind::operand:
      return false;
    case Argument::Kind::help:
    case Argument::Kind::version:
    case Argument::Kind::wrong:
      return true;
  }
  return true;
}

}  // namespace

std::vector<Argument> read_arguments(const std::vector<std::string>& arguments,
                                     std::span<const ProgramOption> options) {
  std::vector<Argument> read;
  bool options_ended = false;
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    if (!options_ended && arguments[at] == "--") {
      options_ended = true;
      continue;
    }
    read.push_back(options_ended ? operand(arguments[at]) : argument_at(arguments, at, options));
    if (ends_the_line(read.back())) break;
  }
  return read;
}

}  // namespace ambrel
