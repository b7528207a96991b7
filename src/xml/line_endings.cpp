#include "xml/line_endings.h"

#include <cstddef>

namespace ambrel {

namespace {

constexpr int kZeroBytesForWideScan = 5;

bool has_wide_layout(const unsigned char* bytes, std::size_t count) {
  int zeros = 0;
  for (std::size_t i = 0; i < count && zeros < kZeroBytesForWideScan; ++i) {
    if (bytes[i] == 0) ++zeros;
  }
  return zeros >= kZeroBytesForWideScan;
}

template <class Unit>
XmlLineEnding first_line_break(const Unit* units, std::size_t count) {
  std::size_t i = count > 0 && units[0] == '\n' ? 1 : 0;
  for (; i + 1 < count; ++i) {
    if (units[i] == '\r') return units[i + 1] == '\n' ? XmlLineEnding::crlf : XmlLineEnding::cr;
    if (units[i] == '\n') return XmlLineEnding::lf;
  }
  return XmlLineEnding::none;
}

}  // namespace

XmlLineEnding detect_line_ending(std::u16string_view text) {
  if (text.empty()) return XmlLineEnding::none;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t byte_count = text.size() * sizeof(char16_t);
  if (has_wide_layout(bytes, byte_count)) return first_line_break(text.data(), text.size());
  return first_line_break(bytes, byte_count);
}

}  // namespace ambrel
