#pragma once

#include <cstdint>
#include <string_view>

namespace ambrel {

// The dialog engine matches element, attribute, flag, gadget and runtime names without
// regard to case. Folding covers ASCII and the Latin-1 letters, which is what definitions
// and published names use.
char16_t fold_name_char(char16_t c);

bool names_equal(std::u16string_view a, std::u16string_view b);

// A hash that agrees with names_equal: names differing only in case hash alike.
std::uint32_t folded_name_hash(std::u16string_view name);

}  // namespace ambrel
