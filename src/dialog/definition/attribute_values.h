#pragma once

#include <cstdint>
#include <string_view>

#include "dialog/definition/dialog_error.h"
#include "dialog/definition/element_view.h"

namespace ambrel {

// A number: the runtime value when the whole text is a registered name, otherwise a
// decimal integer read as far as it goes (leading white space, optional sign, digits;
// no digits gives 0, so "12px" is 12 and "auto" is 0). Saturates at the int32 range.
std::int32_t read_number(std::u16string_view value);

// "yes" in any case is yes; everything else is no.
bool read_yes_no(std::u16string_view value);

// A requested gadget or window number: "#KV_Any" (any case) is automatic (-1); another
// text starting with "#" must be a registered name, or the constant error is recorded
// and the number stays automatic; any other text is read as a number.
std::int32_t read_id(std::u16string_view value, DialogError& error);

// The first attribute with the name read as a number, or the fallback when absent.
std::int32_t read_numeric_attribute(const ElementView& element, std::u16string_view name,
                                    std::int32_t fallback);

}  // namespace ambrel
