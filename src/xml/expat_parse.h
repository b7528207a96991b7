#pragma once

#include <cstddef>
#include <string_view>

#include "xml/xml_document.h"

namespace ambrel {

// The largest piece of text handed to the parser in one call (512 MiB). The parser
// copies each piece into a buffer whose int size it doubles until the piece, a carried
// over partial token and 1 KiB of context fit; past 1 GiB that doubling overflows and
// the parse fails as "out of memory". Shorter texts go in one call.
inline constexpr std::size_t kLargestPieceUnits = std::size_t{1} << 28;

// Runs one parser over `text`, `piece_units` code units per call, and builds the tree of
// `document` from its events; records the parse status on failure. Returns false when
// the parser cannot be created (the document is then untouched).
bool parse_into(XmlDocument& document, std::u16string_view text, std::size_t piece_units);

}  // namespace ambrel
