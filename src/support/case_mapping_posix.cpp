#include "support/case_mapping.h"

#include <locale.h>
#include <wctype.h>

namespace ambrel {

namespace {

// The C.UTF-8 locale carries the full Unicode case tables and ships with the C library;
// it is used through its own handle so the process locale is never touched.
locale_t unicode_locale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  return locale;
}

char16_t mapped_unit(char16_t unit, wint_t (*map)(wint_t, locale_t)) {
  locale_t locale = unicode_locale();
  if (locale == locale_t{}) return unit;
  wint_t mapped = map(unit, locale);
  return mapped <= 0xFFFF ? static_cast<char16_t>(mapped) : unit;
}

}  // namespace

char16_t unicode_lower_case(char16_t unit) { return mapped_unit(unit, towlower_l); }

char16_t unicode_upper_case(char16_t unit) { return mapped_unit(unit, towupper_l); }

}  // namespace ambrel
