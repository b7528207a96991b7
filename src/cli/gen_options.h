#pragma once

// The command line of ambrel-gen.

#include <string>
#include <vector>

#include "generator/document_format.h"
#include "generator/map_choice.h"
#include "support/program_arguments.h"

namespace ambrel {

struct GenOptions {
  std::vector<std::string> inputs;  // in the order given; "-" is standard input
  std::string output;               // -o FILE; empty (or -o -): standard output
  bool identifiers = false;
  bool lf_line_ends = false;
  FormatChoice format = FormatChoice::detect;  // --json, --xml
  MapChoice maps;                              // --no-maps, --map PATH, --record PATH
};

using ParsedGenOptions = ParsedCommandLine<GenOptions>;

// Without any FILE, the one input is standard input.
ParsedGenOptions parse_gen_options(const std::vector<std::string>& arguments);

// The --help text.
extern const char* const kGenUsage;

}  // namespace ambrel
