#include "generator/printable_name.h"

namespace ambrel {

namespace {

bool breaks_lines(char16_t unit) {
  return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || unit == 0x2028 || unit == 0x2029;
}

}  // namespace

std::u16string printable_name(std::u16string_view name) {
  std::u16string out;
  out.reserve(name.size());
  const char16_t* digits = u"0123456789ABCDEF";
  for (char16_t unit : name) {
    if (!breaks_lines(unit)) {
      out += unit;
      continue;
    }
    out += u"\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(unit >> shift) & 0xF];
  }
  return out;
}

}  // namespace ambrel
