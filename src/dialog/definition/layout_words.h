#pragma once

// The words of the layout attributes' values: EXPAND of boxes and grids (COLEXPAND,
// ROWEXPAND), ALIGN of boxes, MARGIN, EXPAND and ALIGN of the single-child objects,
// SCROLLING of the scroll area and the splitter's FIRSTMIN / SECONDMIN. A value that is not
// one of the words leaves the current setting, so these return nothing for it.

#include <optional>
#include <string_view>

#include "dialog/layout/box.h"
#include "dialog/layout/container_figures.h"
#include "dialog/layout/layout_types.h"
#include "dialog/layout/single_child.h"

namespace ambrel::layout {

// Box EXPAND and grid COLEXPAND, whose default is yes: "NO", "EQUAL",
// "ITEM:" n (n counted from 1). "YES" is not a word here.
std::optional<ExpandChoice> parse_line_expand(std::u16string_view text);

// Grid ROWEXPAND, whose default is no: "YES", "EQUAL", "ITEM:" n.
// "NO" is not a word here.
std::optional<ExpandChoice> parse_row_expand(std::u16string_view text);

// Box ALIGN: "CENTER", or "BOTTOM" / "RIGHT" for the end; other values
// (such as "top/left") are not words and leave the alignment.
std::optional<LineAlign> parse_line_align(std::u16string_view text);

// SCROLLING: "HORIZONTAL" or "VERTICAL"; other values leave both.
std::optional<Scrolling> parse_scrolling(std::u16string_view text);

// FIRSTMIN / SECONDMIN "AUTO" or "REQUEST": the pane's minimum comes from its child.
bool is_request_word(std::u16string_view text);

// MARGIN with ":" ("top:4,left:6", "vertical:2"); nothing for a value without
// ":", which is one number for all four sides (read as a number by the caller).
std::optional<Margins> parse_margin_sides(std::u16string_view text);

// Whether a MARGIN with ":" names any side; one that names none makes every margin 0.
bool names_a_margin_side(std::u16string_view text);

// EXPAND: "VERTICAL", "HORIZONTAL" or "NO"; other values leave the switches.
std::optional<ExpandSwitches> parse_single_expand(std::u16string_view text);

// ALIGN: the words TOP, BOTTOM, LEFT, RIGHT and CENTER anywhere in the text.
// Axes that no word sets and that were unset become centre with CENTER,
// otherwise start.
SingleAlign apply_single_align(SingleAlign current, std::u16string_view text);
// Whether ALIGN holds any of its words; one that holds none changes nothing.
bool names_an_alignment(std::u16string_view text);

}  // namespace ambrel::layout
