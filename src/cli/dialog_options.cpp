#include "cli/dialog_options.h"

#include <charconv>

#include "support/unicode_text.h"

namespace ambrel {
namespace {

// "WxH" with two non-negative decimal numbers.
std::optional<InnerSize> parse_size(const std::string& text) {
  std::size_t cross = text.find('x');
  if (cross == std::string::npos) return std::nullopt;
  InnerSize size;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  auto width = std::from_chars(begin, begin + cross, size.width);
  auto height = std::from_chars(begin + cross + 1, end, size.height);
  if (width.ec != std::errc() || width.ptr != begin + cross || height.ec != std::errc() ||
      height.ptr != end || size.width < 0 || size.height < 0) {
    return std::nullopt;
  }
  return size;
}

ParsedOptions failure(std::string problem) {
  ParsedOptions parsed;
  parsed.problem = std::move(problem);
  return parsed;
}

}  // namespace

ParsedOptions parse_dialog_options(const std::vector<std::string>& arguments) {
  DialogOptions options;
  bool have_input = false;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    // "-" alone names standard input; after "--" every argument is a file name.
    bool is_option = !options_ended && argument.size() > 1 && argument[0] == '-';
    if (!is_option) {
      if (have_input) return failure("only one definition can be opened");
      have_input = true;
      options.file = argument;
      continue;
    }
    if (argument == "--") {
      options_ended = true;
      continue;
    }
    if (argument == "--help" || argument == "--version") {
      ParsedOptions parsed;
      parsed.help = argument == "--help";
      parsed.version = argument == "--version";
      return parsed;
    }
    bool takes_value = argument == "--window" || argument == "--open" || argument == "--resize" ||
                       argument == "--proc" || argument == "--png";
    if (takes_value && i + 1 == arguments.size()) return failure(argument + " needs a value");
    if (argument == "--window") {
      options.window_name = utf8_to_utf16(arguments[++i]);
    } else if (argument == "--open" || argument == "--resize") {
      std::optional<InnerSize> size = parse_size(arguments[++i]);
      if (!size) return failure("not a size WxH: '" + arguments[i] + "'");
      if (argument == "--open") {
        options.open_size = *size;
      } else {
        options.resizes.push_back(*size);
      }
    } else if (argument == "--proc") {
      options.procedures.push_back(utf8_to_utf16(arguments[++i]));
    } else if (argument == "--png") {
      options.png_path = arguments[++i];
      options.toolkit = true;
    } else if (argument == "--any-proc") {
      options.any_procedure = true;
    } else if (argument == "--qt") {
      options.toolkit = true;
    } else if (argument == "--embedded") {
      if (have_input) return failure("only one definition can be opened");
      have_input = true;
      options.embedded = true;
    } else {
      return failure("unknown option '" + argument + "'");
    }
  }
  if (!have_input) return failure("no definition given (FILE or --embedded)");
  ParsedOptions parsed;
  parsed.options = std::move(options);
  return parsed;
}

}  // namespace ambrel
