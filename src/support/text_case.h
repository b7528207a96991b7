#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// Per-code-unit case mappings of the Unicode character tables, independent of the
// process locale. Every unit maps to exactly one unit, so lengths never change;
// surrogates and units without a single-unit mapping stay as they are. lower_case_unit is
// also the one rule by which names are compared without case: the dialog engine's names and
// words, and the generator's keys.
char16_t lower_case_unit(char16_t unit);
char16_t upper_case_unit(char16_t unit);

std::u16string lower_case_text(std::u16string_view text);
std::u16string upper_case_text(std::u16string_view text);

}  // namespace ambrel
