#include "support/text_case.h"

#include "support/case_mapping.h"
#include "support/unicode_text.h"

namespace ambrel {

namespace {

bool is_surrogate(char16_t unit) { return is_high_surrogate(unit) || is_low_surrogate(unit); }

}  // namespace

char16_t lower_case_unit(char16_t unit) {
  if (unit < 0x80) return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
  return is_surrogate(unit) ? unit : unicode_lower_case(unit);
}

char16_t upper_case_unit(char16_t unit) {
  if (unit < 0x80) return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 32) : unit;
  return is_surrogate(unit) ? unit : unicode_upper_case(unit);
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
