#include "dialog/layout/expand_words.h"

#include "dialog/layout/attribute_words.h"

namespace ambrel::layout {
namespace {

constexpr std::string_view kItemPrefix = "ITEM:";

std::optional<ExpandChoice> parse_equal_or_item(std::u16string_view text) {
  if (equals_ignoring_case(text, "EQUAL")) {
    return ExpandChoice{ExpandMode::Equal, 0};
  }
  if (starts_with_ignoring_case(text, kItemPrefix)) {
    // Counted from 1 in the definition; 0 or a non-number names no child.
    const int32_t n = read_decimal(text.substr(kItemPrefix.size()));
    return ExpandChoice{ExpandMode::Item, n - 1};
  }
  return std::nullopt;
}

}  // namespace

std::optional<ExpandChoice> parse_line_expand(std::u16string_view text) {
  if (equals_ignoring_case(text, "NO")) {
    return ExpandChoice{ExpandMode::No, 0};
  }
  return parse_equal_or_item(text);
}

std::optional<ExpandChoice> parse_row_expand(std::u16string_view text) {
  if (equals_ignoring_case(text, "YES")) {
    return ExpandChoice{ExpandMode::Yes, 0};
  }
  return parse_equal_or_item(text);
}

}  // namespace ambrel::layout
