#pragma once

// Word matching for layout attribute values (EXPAND, ALIGN, MARGIN, "AUTO", ...), and the
// numbers in them. Dialog definitions write these words in any case; a unit matches a
// letter of a word under the one case rule of names (name_compare.h).

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ambrel::layout {

bool equals_ignoring_case(std::u16string_view text, std::string_view word);

bool starts_with_ignoring_case(std::u16string_view text, std::string_view word);

// Index of the first occurrence of word in text, or npos.
std::size_t find_ignoring_case(std::u16string_view text, std::string_view word);

// What reading a decimal integer made of a text.
struct DecimalReading {
  int32_t value = 0;
  bool whole = false;      // the text held the number alone (blanks around it allowed)
  bool saturated = false;  // the number lay beyond 32 bits
};

// A decimal integer at the start of text: optional blanks, an optional sign,
// then digits up to the first non-digit; no digits read as 0. Values beyond
// 32 bits saturate.
DecimalReading read_decimal_in_full(std::u16string_view text);
int32_t read_decimal(std::u16string_view text);
// read_decimal for a pixel figure: kept within +-kLayoutLimit.
int32_t read_figure(std::u16string_view text);

// "AUTO" (window bounds, splitter minimums, scroll-area inner sizes).
bool is_auto_word(std::u16string_view text);

}  // namespace ambrel::layout
