#include "cli/gen_options.h"

#include "support/unicode_text.h"

namespace ambrel {

const char* const kGenUsage =
    "Usage: ambrel-gen [OPTION]... [--] [FILE]...\n"
    "Prints the structure declarations for the XML or JSON documents in the FILEs, or in\n"
    "standard input when no FILE is given or FILE is \"-\", as UTF-8 with CR LF line ends.\n"
    "A text whose first character after a byte-order mark and blanks is \"{\" or \"[\" is\n"
    "read as JSON, any other as XML; all inputs of one run are of one format.\n"
    "\n"
    "Several FILEs give one set of declarations that covers all of them. An element kind\n"
    "(the elements at the same place: the same names from the top, case ignored) gathers\n"
    "its attribute names, its texts (hence its type) and its list mark over every document.\n"
    "It is a list when it repeats under one parent element in any document; each\n"
    "document's top element stands alone, so files with the same root make no list. Its\n"
    "name and its path comment are those of the last document that has it. One FILE gives\n"
    "exactly the desktop tool's output.\n"
    "\n"
    "JSON is declared by the same rules: a structure JSON_KEY per kind of object (the\n"
    "objects under the same keys from the top; keys are case-sensitive), JSON_MAIN for the\n"
    "top object (or the objects of a top array). A string is .s, a number .q, or .f with\n"
    "a fraction or exponent, true and false .q; null adds no type (only null gives .s).\n"
    "An array is a list (\"[]\") of its values, whose objects are one kind; its values'\n"
    "arrays are read into the same list, and an empty array is a list of .s. A key that\n"
    "holds an object in some places and a scalar in others is a typed field, and its\n"
    "object's structure is declared too. Values one after another (JSON Lines) are\n"
    "samples, as several files are. An empty object adds nothing, as null does.\n"
    "\n"
    "An object whose keys are data is a map: its values are one kind, declared under the\n"
    "key that holds it with the mark \"{}\" (\"; /fonts{}\", \"fonts.JSON_FONTS ; {}\",\n"
    "\"dependencies.s ; {}\" for a map of strings, \"{} []\" for one of arrays). A kind of\n"
    "object whose values are of one shape is a map when three quarters of its keys (two\n"
    "at least) look like data (integers, dates, versions, ids, file names, paths, URLs,\n"
    "e-mail addresses, keys with spaces), when 8 keys or more vary over two instances or\n"
    "more so that none is in more than half of them, when five keys or more hold objects\n"
    "alike, or when it has 64 keys or more; see the manual page for where this is wrong.\n"
    "\n"
    "Files are decoded by their byte-order mark (UTF-8, UTF-16 or UTF-32, either byte\n"
    "order); without one as UTF-8 where the bytes are valid UTF-8, otherwise as\n"
    "Windows-1252. The text ends at the end of the input or at its first zero character.\n"
    "Pipes, devices and files that report no size (under /proc) are read to their end.\n"
    "An empty input declares nothing.\n"
    "\n"
    "  -o FILE        write the declarations to FILE, replacing it only once they are all\n"
    "                 written (through a temporary file beside it): after any failure\n"
    "                 FILE is as it was. A symbolic link is written through (one that\n"
    "                 cannot be resolved is refused); under a hard link's other names\n"
    "                 the old text stays. FILE cannot be one of the inputs; \"-\" is\n"
    "                 standard output\n"
    "  --identifiers  make every field and structure name a valid identifier (letters,\n"
    "                 digits and \"_\", not starting with a digit): other characters become\n"
    "                 \"_\", so xsl:template gives xsl_template; structures whose names would\n"
    "                 be equal, also when case is ignored, are named from their path\n"
    "                 (XML_A_ITEM, XML_B_ITEM), and are numbered (_2, _3) where a few\n"
    "                 parents do not tell them apart; fields of one structure likewise.\n"
    "                 The comments keep the element names and paths\n"
    "  --lf           end lines with LF instead of CR LF\n"
    "  --no-maps      read every JSON object as a record: its keys are fields\n"
    "  --map PATH     declare the objects at PATH as a map, whatever their keys; PATH is\n"
    "                 written as in the path comments (/shapes{}/members), its list\n"
    "                 marks may be left out, \"/\" is the top. May be given again\n"
    "  --record PATH  declare the objects at PATH as a record (never a map). A PATH that\n"
    "                 no kind of object has is told as a warning\n"
    "  --json         read every input as JSON\n"
    "  --xml          read every input as XML\n"
    "  --help         show this text and exit\n"
    "  --version      show the version and exit\n"
    "  --             end of the options: the next arguments are FILEs even if they start\n"
    "                 with \"-\"\n"
    "\n"
    "Exit status:\n"
    "  0  every document is well-formed (or every input is empty)\n"
    "  1  a document is not well-formed: what was read before the fault is declared,\n"
    "     and the fault is reported as FILE:LINE:COLUMN: MESSAGE (COLUMN counts\n"
    "     characters from 1; a tab is one)\n"
    "  2  the command line is wrong, or the inputs mix XML and JSON: nothing is written\n"
    "  3  an input cannot be opened or read: nothing is written (the other inputs are\n"
    "     still read, and their faults reported)\n"
    "  4  the declarations cannot be written\n"
    "  5  memory ran out; nothing, or only a part of the declarations, was written\n";

namespace {

constexpr ProgramOption kGenOptions[] = {
    {"-o", "a FILE"},    {"--identifiers"},     {"--lf"}, {"--json"}, {"--xml"}, {"--no-maps"},
    {"--map", "a PATH"}, {"--record", "a PATH"}};

// Takes one option into `options`; what is wrong with it, or empty.
std::string take_option(const Argument& option, GenOptions& options, bool& have_output) {
  if (option.name == "--identifiers") {
    options.identifiers = true;
  } else if (option.name == "--lf") {
    options.lf_line_ends = true;
  } else if (option.name == "--no-maps") {
    options.maps.detect = false;
  } else if (option.name == "--map" || option.name == "--record") {
    if (!option.text.starts_with('/')) return std::string(option.name) + " needs a PATH from \"/\"";
    (option.name == "--map" ? options.maps.maps : options.maps.records)
        .push_back(utf8_to_utf16(option.text));
  } else if (option.name == "--json" || option.name == "--xml") {
    FormatChoice format = option.name == "--json" ? FormatChoice::json : FormatChoice::xml;
    if (options.format != FormatChoice::detect && options.format != format)
      return "--json and --xml cannot both be given";
    options.format = format;
  } else {  // -o
    if (have_output) return "only one output FILE can be given";
    if (option.text.empty()) return "-o needs a FILE";
    // "-" is standard output, as it is standard input among the inputs.
    if (option.text != "-") options.output = option.text;
    have_output = true;
  }
  return {};
}

}  // namespace

ParsedGenOptions parse_gen_options(const std::vector<std::string>& arguments) {
  GenOptions options;
  bool have_output = false;
  for (const Argument& argument : read_arguments(arguments, kGenOptions)) {
    switch (argument.kind) {
      case Argument::Kind::option: {
        std::string problem = take_option(argument, options, have_output);
        if (!problem.empty()) return ParsedGenOptions::wrong(std::move(problem));
        break;
      }
      case Argument::Kind::operand:
        options.inputs.push_back(argument.text);
        break;
      case Argument::Kind::help:
      case Argument::Kind::version:
      case Argument::Kind::wrong:
        return ParsedGenOptions::ending_with(argument);
    }
  }
  if (options.inputs.empty()) options.inputs.emplace_back("-");
  return ParsedGenOptions::of(std::move(options));
}

}  // namespace ambrel
