// ambrel-gen: prints the declarations for an XML file or standard input, as UTF-8, byte
// for byte what the desktop tool's output pane holds.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/input_loading.h"
#include "cli/program_start.h"
#include "cli/utf8_output.h"
#include "generator/catalogue.h"
#include "generator/declarations.h"
#include "support/object_registry.h"
#include "support/text_file.h"
#include "support/unicode_text.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

constexpr int kWellFormed = 0;
constexpr int kMalformed = 1;
constexpr int kCannotRun = 2;

constexpr const char* kUsage =
    "Usage: ambrel-gen [FILE|-]\n"
    "Prints the structure declarations for the XML document in FILE, or in standard input\n"
    "when FILE is missing or \"-\", as UTF-8 with CR LF line ends.\n"
    "\n"
    "Files are decoded by their byte-order mark (UTF-8, UTF-16 little-endian); without one\n"
    "as UTF-8 where the bytes are valid UTF-8, otherwise as Windows-1252.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 for a well-formed document (or an empty file), 1 when the document is\n"
    "not well-formed (what was read before the fault is declared, and the fault is\n"
    "reported as FILE:LINE:COLUMN: MESSAGE), 2 when the input cannot be read.\n";

int usage_error(const std::string& problem) {
  std::fprintf(stderr, "ambrel-gen: %s\nTry 'ambrel-gen --help'.\n", problem.c_str());
  return kCannotRun;
}

// Parses, catalogues and prints; the input text and the document are released as soon
// as they have served, so the peak holds only one of them beside the catalogue.
int generate(std::u16string text, const std::string& shown_name) {
  int document = xml_parse_text(kAnyNumber, text);
  std::u16string().swap(text);
  if (xml_is_document(document) == 0) {
    std::fprintf(stderr, "ambrel-gen: %s: out of memory\n", shown_name.c_str());
    return kCannotRun;
  }
  ElementCatalogue catalogue;
  catalogue_elements(xml_main_node(document), catalogue);
  XmlParseStatus status = xml_parse_status(document);
  xml_free_document(document);
  if (!write_utf8(stdout, print_declarations(catalogue))) {
    std::fprintf(stderr, "ambrel-gen: cannot write the declarations: %s\n", std::strerror(errno));
    return kCannotRun;
  }
  if (status.status == 0) return kWellFormed;
  std::string message = status.message != nullptr ? utf16_to_utf8(status.message)
                                                  : "error " + std::to_string(status.status);
  std::fprintf(stderr, "%s:%d:%d: %s\n", shown_name.c_str(), status.line, status.column, message.c_str());
  return kMalformed;
}

int run(const std::vector<std::string>& arguments) {
  std::string input = "-";
  bool have_input = false;
  for (std::string_view argument : arguments) {
    if (argument == "--help") {
      std::fputs(kUsage, stdout);
      return kWellFormed;
    }
    if (argument == "--version") {
      std::printf("ambrel-gen %s\n", AMBREL_VERSION);
      return kWellFormed;
    }
    if (argument.size() > 1 && argument[0] == '-') return usage_error("unknown option '" + std::string(argument) + "'");
    if (have_input) return usage_error("only one FILE can be given");
    input = argument;
    have_input = true;
  }
  bool from_stdin = input == "-";
  std::string shown_name = from_stdin ? "<stdin>" : input;
  LoadedInput loaded = from_stdin ? load_standard_input() : load_input_file(input);
  if (!loaded.ok) {
    std::fprintf(stderr, "ambrel-gen: %s: %s\n", shown_name.c_str(), loaded.error.c_str());
    return kCannotRun;
  }
  if (loaded.text.empty()) return kWellFormed;  // an empty file declares nothing
  return generate(std::move(loaded.text), shown_name);
}

}  // namespace
}  // namespace ambrel

int main(int argc, char** argv) {
  ambrel::file_library_init();
  ambrel::xml_library_init();
  int status = ambrel::run(ambrel::start_program(argc, argv));
  ambrel::xml_library_end();
  ambrel::file_library_end();
  return status;
}
