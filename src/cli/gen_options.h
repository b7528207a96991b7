#pragma once

// The command line of ambrel-gen.

#include <optional>
#include <string>
#include <vector>

namespace ambrel {

struct GenOptions {
  std::vector<std::string> inputs;  // in the order given; "-" is standard input
  std::string output;               // -o FILE; empty (or -o -): standard output
  bool identifiers = false;
  bool lf_line_ends = false;
};

struct ParsedGenOptions {
  std::optional<GenOptions>
      options;  // none: help or the version was asked for, or the line is wrong
  bool help = false;
  bool version = false;
  std::string problem;
};

// Without any FILE, the one input is standard input.
ParsedGenOptions parse_gen_options(const std::vector<std::string>& arguments);

// The --help text.
extern const char* const kGenUsage;

}  // namespace ambrel
