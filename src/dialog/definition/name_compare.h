#pragma once

#include <cstdint>
#include <string_view>

namespace ambrel {

// The dialog engine matches element, attribute, flag, gadget and runtime names, and the
// words of attribute values, without regard to case: code unit by code unit, under the one
// case rule of support/text_case.h (lower_case_unit).

bool names_equal(std::u16string_view a, std::u16string_view b);

// A hash that agrees with names_equal: names differing only in case hash alike.
std::uint32_t folded_name_hash(std::u16string_view name);

}  // namespace ambrel
