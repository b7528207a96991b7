#pragma once

#include <cstddef>
#include <string_view>

#include "xml/xml_document.h"

namespace ambrel {

// xml_parse_text with the size of the pieces handed to the parser chosen by the caller,
// so tests can drive the piecewise path with small texts.
int parse_text_in_pieces(int handle, std::u16string_view text, std::size_t piece_units,
                         XmlPositions positions = XmlPositions::dropped);

}  // namespace ambrel
