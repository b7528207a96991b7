// Windows: linguistic casing in a fixed locale without special rules gives Unicode's own
// single-unit mappings, as the Linux build has them (the plain tables leave out some, such
// as U+0130 and U+01C5); the user's language (a Turkish dotless i) never changes one.
#include "support/case_mapping.h"

#include <windows.h>

namespace ambrel {

namespace {

char16_t mapped_unit(char16_t unit, DWORD mapping) {
  wchar_t in = static_cast<wchar_t>(unit);
  wchar_t out = 0;
  if (LCMapStringEx(L"en-US", mapping | LCMAP_LINGUISTIC_CASING, &in, 1, &out, 1, nullptr, nullptr,
                    0) != 1)
    return unit;
  return static_cast<char16_t>(out);
}

}  // namespace

char16_t unicode_lower_case(char16_t unit) { return mapped_unit(unit, LCMAP_LOWERCASE); }

char16_t unicode_upper_case(char16_t unit) { return mapped_unit(unit, LCMAP_UPPERCASE); }

}  // namespace ambrel
