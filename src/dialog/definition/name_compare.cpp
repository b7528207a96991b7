#include "dialog/definition/name_compare.h"

namespace ambrel {

char16_t fold_name_char(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  // Latin-1 capitals U+00C0..U+00DE, except the multiplication sign U+00D7.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
  return c;
}

bool names_equal(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (fold_name_char(a[i]) != fold_name_char(b[i])) return false;
  }
  return true;
}

std::uint32_t folded_name_hash(std::u16string_view name) {
  // FNV-1a over the folded code units.
  std::uint32_t hash = 2166136261u;
  for (char16_t c : name) {
    hash ^= fold_name_char(c);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace ambrel
