#include "dialog/definition/attribute_words.h"

#include <algorithm>
#include <limits>

#include "dialog/layout/layout_types.h"
#include "support/text_case.h"

namespace ambrel::layout {
namespace {

bool same_ignoring_case(char16_t unit, char letter) {
  return lower_case_unit(unit) ==
         lower_case_unit(static_cast<char16_t>(static_cast<unsigned char>(letter)));
}

bool matches_at(std::u16string_view text, std::size_t at, std::string_view word) {
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (!same_ignoring_case(text[at + i], word[i])) {
      return false;
    }
  }
  return true;
}

bool is_blank(char16_t unit) {
  return unit == u' ' || unit == u'\t' || unit == u'\r' || unit == u'\n' || unit == u'\v' ||
         unit == u'\f';
}

}  // namespace

bool equals_ignoring_case(std::u16string_view text, std::string_view word) {
  return text.size() == word.size() && matches_at(text, 0, word);
}

bool starts_with_ignoring_case(std::u16string_view text, std::string_view word) {
  return text.size() >= word.size() && matches_at(text, 0, word);
}

std::size_t find_ignoring_case(std::u16string_view text, std::string_view word) {
  if (word.size() > text.size()) {
    return std::u16string_view::npos;
  }
  for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
    if (matches_at(text, at, word)) {
      return at;
    }
  }
  return std::u16string_view::npos;
}

int32_t read_figure(std::u16string_view text) { return clamp_figure(read_decimal(text)); }

int32_t read_decimal(std::u16string_view text) { return read_decimal_in_full(text).value; }

DecimalReading read_decimal_in_full(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && is_blank(text[at])) {
    ++at;
  }
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
    negative = text[at] == u'-';
    ++at;
  }
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  const std::size_t digits = at;
  int64_t magnitude = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
    if (magnitude < kLimit) {
      magnitude = magnitude * 10 + (text[at] - u'0');
    }
  }
  DecimalReading reading;
  reading.whole = at > digits;
  for (; at < text.size(); ++at) {
    reading.whole = reading.whole && is_blank(text[at]);
  }
  const int64_t value = negative ? -magnitude : magnitude;
  reading.value = static_cast<int32_t>(std::clamp<int64_t>(
      value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
  reading.saturated = reading.value != value;
  return reading;
}

bool is_auto_word(std::u16string_view text) { return equals_ignoring_case(text, "AUTO"); }

}  // namespace ambrel::layout
