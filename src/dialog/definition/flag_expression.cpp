#include "dialog/definition/flag_expression.h"

#include "dialog/definition/flag_tables.h"
#include "dialog/definition/message_text.h"
#include "dialog/definition/name_compare.h"
#include "dialog/definition/runtime_registry.h"
#include "support/unicode_text.h"

namespace ambrel {
namespace {

constexpr std::size_t kMaxFlagNameLength = 128;

bool is_blank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view trim_trailing_blanks(std::u16string_view text) {
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// The warning for a list that ends at `rest`, the text left from where parsing stopped.
void warn_list_end(const ElementView& element, int attribute, std::u16string_view rest,
                   std::size_t long_name) {
  std::string name = element.written_name(attribute);
  std::string left = utf16_to_utf8(rest);
  if (long_name != 0) {
    element.warn(attribute, message_text({name, ": a flag name of ", std::to_string(long_name),
                                          " characters (over 128) ends the list; it and what "
                                          "follows are ignored"}));
  } else if (rest.front() == u'|') {
    element.warn(attribute,
                 message_text({name, ": an empty part ends the list; '", left, "' is ignored"}));
  } else {
    element.warn(attribute, message_text({name, ": '", left,
                                          "' does not start with '#', which ends the list; it is "
                                          "ignored"}));
  }
}

}  // namespace

std::optional<std::uint32_t> look_up_flag(std::u16string_view name, DialogKind kind) {
  for (const FlagRow& flag : flag_table(kind)) {
    if (names_equal(flag.name, name)) return flag.value;
  }
  if (runtime_is_defined(name)) return static_cast<std::uint32_t>(runtime_value(name));
  return std::nullopt;
}

std::uint32_t parse_flag_expression(const ElementView& element, int attribute, DialogKind kind,
                                    DialogError& error) {
  element.mark_read(attribute);
  std::u16string_view expression = element.attribute_value(attribute);
  std::uint32_t flags = 0;
  std::size_t position = 0;
  for (;;) {
    while (position < expression.size() && is_blank(expression[position])) ++position;
    if (position >= expression.size()) break;
    std::u16string_view rest = expression.substr(position);
    if (rest.front() != u'#') {
      warn_list_end(element, attribute, rest, 0);
      break;
    }
    std::size_t name_start = position + 1;
    std::size_t bar = expression.find(u'|', name_start);
    std::u16string_view name =
        trim_trailing_blanks(expression.substr(name_start, bar - name_start));
    if (name.size() > kMaxFlagNameLength) {
      warn_list_end(element, attribute, rest, name.size());
      break;
    }
    if (std::optional<std::uint32_t> value = look_up_flag(name, kind)) {
      flags |= *value;
    } else {
      error.record(kFlagNotSupportedError, {name, element.name}, element.place(attribute));
    }
    if (bar == std::u16string_view::npos) break;
    position = bar + 1;
  }
  return flags;
}

}  // namespace ambrel
