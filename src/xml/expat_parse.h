#pragma once

#include <cstddef>
#include <string_view>

#include "xml/xml_document.h"

namespace ambrel {

// The largest piece of text handed to the parser in one call: well inside its int byte
// count even with a partial token carried over from the previous piece. Shorter texts
// go in one call.
inline constexpr std::size_t kLargestPieceUnits = std::size_t{1} << 29;

// Runs one parser over `text`, `piece_units` code units per call, and builds the tree of
// `document` from its events; records the parse status on failure. Returns false when
// the parser cannot be created (the document is then untouched).
bool parse_into(XmlDocument& document, std::u16string_view text, std::size_t piece_units);

}  // namespace ambrel
