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

// The readers of one attribute of an element. Each reads the value as the function above
// it says and takes the attribute; where the text says more than the engine reads, it warns
// with what is used instead ("width '12px' is read as 12", "folded 'true' is read as no").
std::int32_t read_number_attribute(const ElementView& element, int attribute);
bool read_yes_no_attribute(const ElementView& element, int attribute);
// Decimal integers only, as the layout attributes are read (no runtime names).
std::int32_t read_decimal_attribute(const ElementView& element, int attribute);
// The same kept within the layout's limit on pixel figures.
std::int32_t read_figure_attribute(const ElementView& element, int attribute);

// An ID attribute, a requested gadget or window number: "#KV_Any" (any case) is automatic
// (-1); another text starting with "#" must be a registered name, or the constant error is
// recorded and the number stays automatic; any other text is read as a number attribute.
std::int32_t read_id(const ElementView& element, int attribute, DialogError& error);

// The first attribute with the name read as a number, or the fallback when absent.
std::int32_t read_numeric_attribute(const ElementView& element, std::u16string_view name,
                                    std::int32_t fallback);

}  // namespace ambrel
