// ambrel-gen: prints the declarations for an XML file or standard input, as UTF-8, byte
// for byte what the desktop tool's output pane holds.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "cli/input_loading.h"
#include "cli/program_start.h"
#include "cli/utf8_output.h"
#include "generator/catalogue.h"
#include "generator/declarations.h"
#include "support/object_registry.h"
#include "support/unicode_text.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

constexpr int kWellFormed = 0;
constexpr int kMalformed = 1;
constexpr int kUsageError = 2;
constexpr int kUnreadableInput = 3;
constexpr int kWriteError = 4;
constexpr int kOutOfMemory = 5;

constexpr int kParserOutOfMemory = 1;  // the parse status of a parse that ran out of memory

constexpr const char* kUsage =
    "Usage: ambrel-gen [--] [FILE|-]\n"
    "Prints the structure declarations for the XML document in FILE, or in standard input\n"
    "when FILE is missing or \"-\", as UTF-8 with CR LF line ends.\n"
    "\n"
    "Files are decoded by their byte-order mark (UTF-8, UTF-16 or UTF-32, either byte\n"
    "order); without one as UTF-8 where the bytes are valid UTF-8, otherwise as\n"
    "Windows-1252. The text ends at the end of the input or at its first zero character.\n"
    "Pipes and devices are read to their end.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "  --         end of the options: the next argument is a FILE even if it starts with \"-\"\n"
    "\n"
    "Exit status:\n"
    "  0  the document is well-formed (or the input is empty)\n"
    "  1  the document is not well-formed: what was read before the fault is declared,\n"
    "     and the fault is reported as FILE:LINE:COLUMN: MESSAGE\n"
    "  2  the command line is wrong\n"
    "  3  the input cannot be opened or read\n"
    "  4  the declarations cannot be written\n"
    "  5  memory ran out; nothing, or only a part of the declarations, was written\n";

int usage_error(const std::string& problem) {
  std::fprintf(stderr, "ambrel-gen: %s\nTry 'ambrel-gen --help'.\n", problem.c_str());
  return kUsageError;
}

int out_of_memory(const std::string& shown_name) {
  std::fprintf(stderr, "ambrel-gen: %s: out of memory\n", shown_name.c_str());
  return kOutOfMemory;
}

// Parses, catalogues and prints; the input text and the document are released as soon
// as they have served, so the peak holds only one of them beside the catalogue.
int generate(std::u16string text, const std::string& shown_name) {
  int document = xml_parse_text(kAnyNumber, text);
  std::u16string().swap(text);
  if (xml_is_document(document) == 0) return out_of_memory(shown_name);
  XmlParseStatus status = xml_parse_status(document);
  if (status.status == kParserOutOfMemory) {
    xml_free_document(document);
    return out_of_memory(shown_name);
  }
  ElementCatalogue catalogue;
  try {
    catalogue_elements(xml_main_node(document), catalogue);
  } catch (...) {
    xml_free_document(document);
    throw;
  }
  xml_free_document(document);
  if (!write_utf8(stdout, print_declarations(catalogue))) {
    std::fprintf(stderr, "ambrel-gen: cannot write the declarations: %s\n", std::strerror(errno));
    return kWriteError;
  }
  if (status.status == 0) return kWellFormed;
  std::string message = status.message != nullptr ? utf16_to_utf8(status.message)
                                                  : "error " + std::to_string(status.status);
  std::fprintf(stderr, "%s:%d:%d: %s\n", shown_name.c_str(), status.line, status.column, message.c_str());
  return kMalformed;
}

int load_and_generate(const std::string& input) {
  bool from_stdin = input == "-";
  std::string shown_name = from_stdin ? "<stdin>" : input;
  try {
    LoadedInput loaded = from_stdin ? load_standard_input() : load_input_file(input);
    if (loaded.out_of_memory) return out_of_memory(shown_name);
    if (!loaded.ok) {
      std::fprintf(stderr, "ambrel-gen: %s: %s\n", shown_name.c_str(), loaded.error.c_str());
      return kUnreadableInput;
    }
    if (loaded.text.empty()) return kWellFormed;  // an empty file declares nothing
    return generate(std::move(loaded.text), shown_name);
  } catch (const std::bad_alloc&) {
    return out_of_memory(shown_name);
  }
}

int run(const std::vector<std::string>& arguments) {
  std::string input = "-";
  bool have_input = false;
  bool options_ended = false;
  for (std::string_view argument : arguments) {
    if (!options_ended && argument == "--") {
      options_ended = true;
      continue;
    }
    if (!options_ended && argument == "--help") {
      std::fputs(kUsage, stdout);
      return kWellFormed;
    }
    if (!options_ended && argument == "--version") {
      std::printf("ambrel-gen %s\n", AMBREL_VERSION);
      return kWellFormed;
    }
    if (!options_ended && argument.size() > 1 && argument[0] == '-') {
      return usage_error("unknown option '" + std::string(argument) + "'");
    }
    if (have_input) return usage_error("only one FILE can be given");
    input = argument;
    have_input = true;
  }
  return load_and_generate(input);
}

}  // namespace
}  // namespace ambrel

int main(int argc, char** argv) {
  // Memory can run out before the input is known, too; that is still no abort.
  try {
    ambrel::xml_library_init();
    int status = ambrel::run(ambrel::start_program(argc, argv));
    ambrel::xml_library_end();
    return status;
  } catch (const std::bad_alloc&) {
    std::fputs("ambrel-gen: out of memory\n", stderr);
    return ambrel::kOutOfMemory;
  }
}
