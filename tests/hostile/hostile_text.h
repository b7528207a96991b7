#pragma once

#include <string>
#include <string_view>

#include "support/unicode_text.h"

namespace ambrel {

// `count` copies of `piece`.
inline std::u16string repeated(std::u16string_view piece, std::size_t count) {
  std::u16string out;
  out.reserve(piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) out += piece;
  return out;
}

// The number of lines of `text` that start with `prefix`.
inline std::size_t lines_starting_with(std::u16string_view text, std::u16string_view prefix) {
  std::size_t count = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find(u"\r\n", start);
    if (end == std::u16string_view::npos) end = text.size();
    if (text.substr(start, end - start).substr(0, prefix.size()) == prefix) ++count;
    start = end + 2;
  }
  return count;
}

// Readable failure output: every unit outside ASCII as \uXXXX.
inline std::string shown_units(std::u16string_view text) {
  std::string out;
  const char* digits = "0123456789ABCDEF";
  for (char16_t unit : text) {
    if (unit >= 0x20 && unit < 0x7F) {
      out += static_cast<char>(unit);
      continue;
    }
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(unit >> shift) & 0xF];
  }
  return out;
}

}  // namespace ambrel
