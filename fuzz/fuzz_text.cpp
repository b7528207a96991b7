#include "fuzz_text.h"

#include <cstdio>
#include <cstdlib>

#include "support/unicode_text.h"

namespace ambrel {

std::u16string fuzz_text(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return {};
  const std::uint8_t* rest = data + 1;
  std::size_t rest_size = size - 1;
  if ((data[0] & 1) == 0) {
    return utf8_to_utf16(std::string_view(reinterpret_cast<const char*>(rest), rest_size));
  }
  std::u16string units(rest_size / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(rest[2 * i] | (rest[2 * i + 1] << 8));
  }
  return units;
}

std::vector<std::u16string> split_at_nul(std::u16string_view text, std::size_t count) {
  std::vector<std::u16string> pieces(count);
  std::size_t piece = 0;
  for (char16_t unit : text) {
    if (unit == u'\0' && piece + 1 < count) {
      ++piece;
    } else {
      pieces[piece] += unit;
    }
  }
  return pieces;
}

void fuzz_require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace ambrel
