#include "cli/gen_options.h"

namespace ambrel {

const char* const kGenUsage =
    "Usage: ambrel-gen [OPTION]... [--] [FILE]...\n"
    "Prints the structure declarations for the XML documents in the FILEs, or in standard\n"
    "input when no FILE is given or FILE is \"-\", as UTF-8 with CR LF line ends.\n"
    "\n"
    "Several FILEs give one set of declarations that covers all of them. An element kind\n"
    "(the elements at the same place: the same names from the top, case ignored) gathers\n"
    "its attribute names, its texts (hence its type) and its list mark over every document.\n"
    "It is a list when it repeats under one parent element in any document; each\n"
    "document's top element stands alone, so files with the same root make no list. Its\n"
    "name and its path comment are those of the last document that has it. One FILE gives\n"
    "exactly the desktop tool's output.\n"
    "\n"
    "Files are decoded by their byte-order mark (UTF-8, UTF-16 or UTF-32, either byte\n"
    "order); without one as UTF-8 where the bytes are valid UTF-8, otherwise as\n"
    "Windows-1252. The text ends at the end of the input or at its first zero character.\n"
    "Pipes and devices are read to their end. An empty input declares nothing.\n"
    "\n"
    "  -o FILE        write the declarations to FILE, replacing it only once they are all\n"
    "                 written (through a temporary file beside it): after any failure\n"
    "                 FILE is as it was. FILE cannot be one of the inputs; \"-\" is\n"
    "                 standard output\n"
    "  --identifiers  make every field and structure name a valid identifier (letters,\n"
    "                 digits and \"_\", not starting with a digit): other characters become\n"
    "                 \"_\", so xsl:template gives xsl_template; structures whose names would\n"
    "                 be equal, also when case is ignored, are named from their path\n"
    "                 (XML_A_ITEM, XML_B_ITEM), and are numbered (_2, _3) where a few\n"
    "                 parents do not tell them apart; fields of one structure likewise.\n"
    "                 The comments keep the element names and paths\n"
    "  --lf           end lines with LF instead of CR LF\n"
    "  --help         show this text and exit\n"
    "  --version      show the version and exit\n"
    "  --             end of the options: the next arguments are FILEs even if they start\n"
    "                 with \"-\"\n"
    "\n"
    "Exit status:\n"
    "  0  every document is well-formed (or every input is empty)\n"
    "  1  a document is not well-formed: what was read before the fault is declared,\n"
    "     and the fault is reported as FILE:LINE:COLUMN: MESSAGE\n"
    "  2  the command line is wrong\n"
    "  3  an input cannot be opened or read: nothing is written (the other inputs are\n"
    "     still read, and their faults reported)\n"
    "  4  the declarations cannot be written\n"
    "  5  memory ran out; nothing, or only a part of the declarations, was written\n";

namespace {

ParsedGenOptions failure(std::string problem) {
  ParsedGenOptions parsed;
  parsed.problem = std::move(problem);
  return parsed;
}

}  // namespace

ParsedGenOptions parse_gen_options(const std::vector<std::string>& arguments) {
  GenOptions options;
  bool have_output = false;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    // "-" alone names standard input; after "--" every argument is a file name.
    if (options_ended || argument == "-" || argument.empty() || argument[0] != '-') {
      options.inputs.push_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help") {
      ParsedGenOptions parsed;
      parsed.help = true;
      return parsed;
    } else if (argument == "--version") {
      ParsedGenOptions parsed;
      parsed.version = true;
      return parsed;
    } else if (argument == "--identifiers") {
      options.identifiers = true;
    } else if (argument == "--lf") {
      options.lf_line_ends = true;
    } else if (argument == "-o") {
      if (have_output) return failure("only one output FILE can be given");
      if (i + 1 == arguments.size() || arguments[i + 1].empty()) return failure("-o needs a FILE");
      // "-" is standard output, as it is standard input among the inputs.
      if (arguments[++i] != "-") options.output = arguments[i];
      have_output = true;
    } else {
      return failure("unknown option '" + argument + "'");
    }
  }
  if (options.inputs.empty()) options.inputs.emplace_back("-");
  ParsedGenOptions parsed;
  parsed.options = std::move(options);
  return parsed;
}

}  // namespace ambrel
