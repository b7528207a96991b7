#pragma once

// The command line of every program, read by the same rules: an option is an argument of
// two or more characters that starts with "-"; "--" ends the options; "--help" and
// "--version" (and "/?" on Windows, as programs there answer it) ask for the help text and
// the version; every other argument is an operand ("-" alone and an empty one too).

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

// An option a program takes, as written ("-o", "--lf"). One that takes a value takes the
// next argument, whatever it is; `value` says what it is in a message ("a FILE": "-o needs
// a FILE").
struct ProgramOption {
  std::string_view name;
  std::string_view value = {};  // empty: the option takes no value
};

// One thing the command line says, in the order written.
struct Argument {
  enum class Kind {
    option,   // one of the program's options: `name`, and its value in `text`
    operand,  // `text`: a file name, say
    help,     // the help text was asked for
    version,  // the version was asked for
    wrong,    // `text` says what is wrong: an unknown option, a missing value
  };
  Kind kind = Kind::operand;
  std::string_view name;
  std::string text;
};

// The command line `arguments` (without the program's name) as the program's `options`
// read it: every argument up to the end, or up to the first that asks for the help or the
// version or is wrong, which ends the list (what follows it is not looked at).
std::vector<Argument> read_arguments(const std::vector<std::string>& arguments,
                                     std::span<const ProgramOption> options);

// What a command line comes to for a program whose options fill an `Options`: those options,
// or the help text or the version asked for, or what is wrong with the line.
template <typename Options>
struct ParsedCommandLine {
  std::optional<Options> options;  // none: help or the version was asked for, or the line is wrong
  bool help = false;
  bool version = false;
  std::string problem;

  static ParsedCommandLine of(Options options) { return {std::move(options), false, false, {}}; }
  static ParsedCommandLine wrong(std::string problem) {
    return {std::nullopt, false, false, std::move(problem)};
  }
  // For an argument that ends the line: help, version, or wrong.
  static ParsedCommandLine ending_with(const Argument& argument) {
    return {std::nullopt, argument.kind == Argument::Kind::help,
            argument.kind == Argument::Kind::version,
            argument.kind == Argument::Kind::wrong ? argument.text : std::string()};
  }
};

}  // namespace ambrel
