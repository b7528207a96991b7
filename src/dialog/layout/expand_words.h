#pragma once

// The words of the expand attributes of boxes (EXPAND) and grids (COLEXPAND,
// ROWEXPAND). A value that is not one of the words leaves the current mode, so
// these return nothing for it.

#include <optional>
#include <string_view>

#include "dialog/layout/layout_types.h"

namespace ambrel::layout {

// Box EXPAND and grid COLEXPAND, whose default is yes: "NO", "EQUAL",
// "ITEM:" n (n counted from 1). "YES" is not a word here.
std::optional<ExpandChoice> parse_line_expand(std::u16string_view text);

// Grid ROWEXPAND, whose default is no: "YES", "EQUAL", "ITEM:" n.
// "NO" is not a word here.
std::optional<ExpandChoice> parse_row_expand(std::u16string_view text);

}  // namespace ambrel::layout
