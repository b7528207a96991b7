#pragma once

#include <cstddef>
#include <string_view>

#include "xml/xml_document.h"

namespace ambrel {

// The largest piece of text handed to the parser in one call (512 MiB). The parser
// copies each piece into a buffer whose int size it doubles until the piece, a carried
// over partial token and 1 KiB of context fit; past 1 GiB that doubling overflows and
// the parse fails as "out of memory".
inline constexpr std::size_t kLargestPieceUnits = std::size_t{1} << 28;

// The piece size xml_parse_text uses (2 MiB). Because the parser copies every piece into
// its own buffer, handing it the whole text at once would hold a second copy of the
// input for the whole parse; small pieces keep that copy small at no cost in speed.
inline constexpr std::size_t kDefaultPieceUnits = std::size_t{1} << 20;

// How many units of `rest` to hand the parser next: at most `limit` (at least 1), but
// never ending between a CR and an LF or inside a surrogate pair. The parser counts
// lines per piece it is handed and would count a split CR LF twice.
std::size_t next_piece_units(std::u16string_view rest, std::size_t limit);

// Runs one parser over `text`, `piece_units` code units per call, and builds the tree of
// `document` from its events; records the parse status on failure. Returns false when
// the parser cannot be created (the document is then untouched).
bool parse_into(XmlDocument& document, std::u16string_view text, std::size_t piece_units);

}  // namespace ambrel
