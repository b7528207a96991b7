#include "support/text_case.h"

#include <locale.h>
#include <wctype.h>

#include "support/unicode_text.h"

namespace ambrel {

namespace {

// The C.UTF-8 locale carries the full Unicode case tables and ships with the C library;
// it is used through its own handle so the process locale is never touched.
locale_t unicode_locale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  return locale;
}

char16_t mapped_unit(char16_t unit, wint_t (*map)(wint_t, locale_t)) {
  if (is_high_surrogate(unit) || is_low_surrogate(unit)) return unit;
  locale_t locale = unicode_locale();
  if (locale == locale_t{}) return unit;
  wint_t mapped = map(unit, locale);
  return mapped <= 0xFFFF ? static_cast<char16_t>(mapped) : unit;
}

}  // namespace

char16_t lower_case_unit(char16_t unit) {
  if (unit < 0x80) return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
  return mapped_unit(unit, towlower_l);
}

char16_t upper_case_unit(char16_t unit) {
  if (unit < 0x80) return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 32) : unit;
  return mapped_unit(unit, towupper_l);
}

std::u16string lower_case_text(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& unit : out) unit = lower_case_unit(unit);
  return out;
}

std::u16string upper_case_text(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& unit : out) unit = upper_case_unit(unit);
  return out;
}

}  // namespace ambrel
