#include "dialog/definition/name_compare.h"

#include "support/text_case.h"

namespace ambrel {

bool names_equal(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower_case_unit(a[i]) != lower_case_unit(b[i])) return false;
  }
  return true;
}

std::uint32_t folded_name_hash(std::u16string_view name) {
  // FNV-1a over the folded code units.
  std::uint32_t hash = 2166136261u;
  for (char16_t c : name) {
    hash ^= lower_case_unit(c);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace ambrel
