#pragma once

#include <string_view>

#include "xml/xml_document.h"

namespace ambrel {

// The style of the text's first line break. The parser hands every line break of
// character data over as a single LF; the document writes it back in this style.
// The text is examined as bytes when it holds fewer than 5 zero bytes, else as 16-bit
// units; a leading LF and the very last unit are not looked at.
XmlLineEnding detect_line_ending(std::u16string_view text);

}  // namespace ambrel
