#include "cli/dialog_options.h"

#include <charconv>

#include "support/name_quoting.h"
#include "support/unicode_text.h"

namespace ambrel {
namespace {

constexpr const char* kOneDefinition = "only one definition can be opened";
constexpr const char* kOneWarningRule =
    "--no-warnings and --warnings-as-errors cannot be used together";
constexpr const char* kShowAlone = "--show keeps the window up: it takes no --resize or --png";

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

constexpr ProgramOption kDialogOptions[] = {{"--window", "a value"},
                                            {"--open", "a value"},
                                            {"--resize", "a value"},
                                            {"--proc", "a value"},
                                            {"--png", "a value"},
                                            {"--any-proc"},
                                            {"--qt"},
                                            {"--show"},
                                            {"--no-warnings"},
                                            {"--warnings-as-errors"},
                                            {"--embedded"}};

// Takes --no-warnings or --warnings-as-errors; what is wrong, or empty.
std::string take_warning_rule(WarningRule rule, DialogOptions& options) {
  if (options.warnings != WarningRule::shown && options.warnings != rule) return kOneWarningRule;
  options.warnings = rule;
  return {};
}

// Takes one option into `options`; what is wrong with it, or empty.
std::string take_option(const Argument& option, DialogOptions& options, bool& have_input) {
  const std::string& value = option.text;
  if (option.name == "--window") {
    options.window_name = utf8_to_utf16(value);
  } else if (option.name == "--open" || option.name == "--resize") {
    std::optional<InnerSize> size = parse_size(value);
    if (!size) return "not a size WxH: " + quoted_name(value);
    if (option.name == "--open") {
      options.open_size = *size;
    } else {
      options.resizes.push_back(*size);
    }
  } else if (option.name == "--proc") {
    options.procedures.push_back(utf8_to_utf16(value));
  } else if (option.name == "--png") {
    options.png_path = value;
    options.toolkit = true;
  } else if (option.name == "--any-proc") {
    options.any_procedure = true;
  } else if (option.name == "--qt") {
    options.toolkit = true;
  } else if (option.name == "--show") {
    options.show = true;
    options.toolkit = true;
  } else if (option.name == "--no-warnings") {
    return take_warning_rule(WarningRule::silenced, options);
  } else if (option.name == "--warnings-as-errors") {
    return take_warning_rule(WarningRule::failing, options);
  } else {  // --embedded
    if (have_input) return kOneDefinition;
    have_input = true;
    options.embedded = true;
  }
  return {};
}

}  // namespace

ParsedOptions parse_dialog_options(const std::vector<std::string>& arguments) {
  DialogOptions options;
  bool have_input = false;
  for (const Argument& argument : read_arguments(arguments, kDialogOptions)) {
    switch (argument.kind) {
      case Argument::Kind::option: {
        std::string problem = take_option(argument, options, have_input);
        if (!problem.empty()) return ParsedOptions::wrong(std::move(problem));
        break;
      }
      case Argument::Kind::operand:
        if (have_input) return ParsedOptions::wrong(kOneDefinition);
        have_input = true;
        options.file = argument.text;
        break;
      case Argument::Kind::help:
      case Argument::Kind::version:
      case Argument::Kind::wrong:
        return ParsedOptions::ending_with(argument);
    }
  }
  if (!have_input) return ParsedOptions::wrong("no definition given (FILE or --embedded)");
  if (options.show && (!options.resizes.empty() || !options.png_path.empty())) {
    return ParsedOptions::wrong(kShowAlone);
  }
  return ParsedOptions::of(std::move(options));
}

}  // namespace ambrel
