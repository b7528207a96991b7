#include "dialog/definition/flag_expression.h"

#include "dialog/definition/flag_tables.h"
#include "dialog/definition/name_compare.h"
#include "dialog/definition/runtime_registry.h"

namespace ambrel {
namespace {

constexpr std::size_t kMaxFlagNameLength = 128;

bool is_blank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view trim_trailing_blanks(std::u16string_view text) {
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::uint32_t> look_up_flag(std::u16string_view name, DialogKind kind) {
  for (const FlagEntry& flag : flag_table(kind)) {
    if (names_equal(flag.name, name)) return flag.value;
  }
  if (runtime_is_defined(name)) return static_cast<std::uint32_t>(runtime_value(name));
  return std::nullopt;
}

std::uint32_t parse_flag_expression(std::u16string_view expression, DialogKind kind,
                                    std::u16string_view element_name, DialogError& error) {
  std::uint32_t flags = 0;
  std::size_t position = 0;
  for (;;) {
    while (position < expression.size() && is_blank(expression[position])) ++position;
    if (position >= expression.size() || expression[position] != u'#') break;
    std::size_t name_start = position + 1;
    std::size_t bar = expression.find(u'|', name_start);
    std::u16string_view name =
        trim_trailing_blanks(expression.substr(name_start, bar - name_start));
    if (name.size() > kMaxFlagNameLength) break;
    if (std::optional<std::uint32_t> value = look_up_flag(name, kind)) {
      flags |= *value;
    } else {
      error.record(kFlagNotSupportedError, {name, element_name});
    }
    if (bar == std::u16string_view::npos) break;
    position = bar + 1;
  }
  return flags;
}

}  // namespace ambrel
