#pragma once

#include <string_view>

namespace ambrel {

// Checks the shape every declarations text must have: lines end with CR LF; outside a
// structure a line is blank or a "; " comment; each "Structure " line is closed by its
// "EndStructure" before the next one opens; inside, every field line starts with a tab;
// the last structure is the top one (`top_name`). Returns the first violation, or null.
const char* declarations_shape_fault(std::u16string_view text,
                                     std::u16string_view top_name = u"XML_MAIN");

}  // namespace ambrel
