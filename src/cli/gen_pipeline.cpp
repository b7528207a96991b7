#include "cli/gen_pipeline.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "cli/replacing_file.h"
#include "cli/shown_path.h"
#include "cli/utf8_output.h"
#include "generator/declaration_generator.h"
#include "support/platform_file.h"
#include "support/text_loading.h"
#include "support/unicode_text.h"

namespace ambrel {

namespace {

// Bytes read from an input at a time: each piece is handed from the reading thread to the
// parser's, and larger pieces mean fewer of those hand-overs.
constexpr std::size_t kInputPieceBytes = std::size_t{1} << 18;

// How one input went; the worst of all inputs makes the exit status.
enum class InputOutcome { well_formed, malformed, unreadable, out_of_memory, other_format };

// The first input read as a document, which sets the run's format.
struct FirstDocument {
  std::string input;
  DocumentFormat format = DocumentFormat::xml;
};

// The inputs' faults, one line each, told once the run's outcome is known: a run that
// runs out of memory or cannot write says only that.
using Reports = std::vector<std::string>;

void tell(const Reports& reports) {
  for (const std::string& line : reports) std::fputs(line.c_str(), stderr);
}

InputOutcome unreadable(const std::string& input, int error, Reports& reports) {
  reports.push_back("ambrel-gen: " + shown_input(input) + ": " + std::strerror(error) + "\n");
  return InputOutcome::unreadable;
}

InputOutcome report_parse(const std::string& input, const DocumentResult& parse, Reports& reports) {
  if (parse.ok()) return InputOutcome::well_formed;
  if (parse.out_of_memory()) return InputOutcome::out_of_memory;
  reports.push_back(placed(shown_input(input), parse.line(), parse.column()) + parse.message() +
                    "\n");
  return InputOutcome::malformed;
}

const char* format_name(DocumentFormat format) {
  return format == DocumentFormat::xml ? "XML" : "JSON";
}

int mixed_formats(const FirstDocument& first, const std::string& input, DocumentFormat format) {
  std::fprintf(stderr,
               "ambrel-gen: %s is %s but %s is %s: the inputs of one run are all XML or all JSON\n"
               "Try 'ambrel-gen --help'.\n",
               shown_input(first.input).c_str(), format_name(first.format),
               shown_input(input).c_str(), format_name(format));
  return kGenUsageError;
}

// Feeds one input's text to the generator as one document. An input whose text is empty
// (an empty file, a mark alone, a NUL first) is no document and declares nothing.
InputOutcome file_input(const std::string& input, DeclarationGenerator& generator, Reports& reports,
                        std::optional<DocumentResult>& document) {
  PlatformFile file = input == "-" ? PlatformFile::standard_input()
                                   : PlatformFile::open_for_reading(native_path_of_argument(input));
  if (!file.is_open()) return unreadable(input, file.error(), reports);
  if (file.info().kind == FileKind::Directory) return unreadable(input, EISDIR, reports);
  Utf16PieceReader reader(std::move(file), kInputPieceBytes);
  std::u16string piece;
  bool fed = false;
  while (reader.next(piece)) {
    if (piece.empty()) continue;
    generator.feed(piece);
    fed = true;
  }
  if (!fed)
    return reader.error() != 0 ? unreadable(input, reader.error(), reports)
                               : InputOutcome::well_formed;
  document = generator.end_document();
  if (document->out_of_memory()) return InputOutcome::out_of_memory;
  if (document->other_format) return InputOutcome::other_format;
  if (reader.error() != 0)
    return unreadable(input, reader.error(), reports);  // the cut text's fault is no news
  return report_parse(input, *document, reports);
}

int out_of_memory(const std::string& what) {
  std::fprintf(stderr, "ambrel-gen: %sout of memory\n", what.empty() ? "" : (what + ": ").c_str());
  return kGenOutOfMemory;
}

int write_error(const std::string& output, int error) {
  std::string shown = output.empty() ? "standard output" : shown_path(output);
  std::fprintf(stderr, "ambrel-gen: cannot write the declarations to %s: %s\n", shown.c_str(),
               std::strerror(error));
  return kGenWriteError;
}

// Writes the declarations as they are printed; false with errno set after a failure.
bool print_into(std::FILE* stream, const DeclarationGenerator& generator,
                const DeclarationStyle& style) {
  Utf8Writer writer(stream);
  auto write = [&writer](std::u16string_view lines) { return writer.write(lines); };
  return generator.declarations(style, write) && std::fflush(stream) == 0;
}

// An output file takes its place only once the whole text is in it; standard output takes
// the text as it comes.
int write_declarations(const DeclarationGenerator& generator, const DeclarationStyle& style,
                       const std::string& output) {
  if (output.empty()) {
    if (!print_into(stdout, generator, style)) return write_error(output, errno);
    return kGenWellFormed;
  }
  ReplacingFile file(output);
  if (file.stream() == nullptr) return write_error(output, file.error());
  if (!print_into(file.stream(), generator, style)) return write_error(output, errno);
  if (!file.commit()) return write_error(output, file.error());
  return kGenWellFormed;
}

}  // namespace

int generate_from_inputs(const GenOptions& options) {
  DeclarationGenerator generator(options.format, options.maps);
  Reports reports;
  bool malformed = false;
  bool unreadable = false;
  std::optional<FirstDocument> first;
  for (const std::string& input : options.inputs) {
    InputOutcome outcome = InputOutcome::out_of_memory;
    std::optional<DocumentResult> document;
    try {
      outcome = file_input(input, generator, reports, document);
    } catch (const std::bad_alloc&) {}
    if (outcome == InputOutcome::out_of_memory) return out_of_memory(shown_input(input));
    if (outcome == InputOutcome::other_format)
      return mixed_formats(*first, input, document->format);
    if (document && !first) first = FirstDocument{input, document->format};
    malformed = malformed || outcome == InputOutcome::malformed;
    unreadable = unreadable || outcome == InputOutcome::unreadable;
  }
  if (unreadable) {  // declarations of a part of the inputs would mislead
    tell(reports);
    return kGenUnreadableInput;
  }
  for (const std::u16string& path : generator.unmatched_forced_paths())
    reports.push_back("ambrel-gen: warning: no kind of object has the path " + utf16_to_utf8(path) +
                      "\n");
  int written = kGenOutOfMemory;
  try {
    written =
        write_declarations(generator, {options.identifiers, options.lf_line_ends}, options.output);
  } catch (const std::bad_alloc&) {
    return out_of_memory(options.inputs.size() == 1 ? shown_input(options.inputs.front())
                                                    : std::string());
  }
  if (written != kGenWellFormed) return written;
  tell(reports);
  return malformed ? kGenMalformed : kGenWellFormed;
}

}  // namespace ambrel
