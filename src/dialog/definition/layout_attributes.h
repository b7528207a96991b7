#pragma once

// Readers of the layout attributes of boxes, grids, single-child containers, the window,
// the scroll area and the splitter. Attributes are visited in document order; a later
// recognised value overrides an earlier one, an unrecognised one changes nothing.

#include <cstdint>

#include "dialog/definition/element_view.h"
#include "dialog/layout/box.h"
#include "dialog/layout/container_figures.h"
#include "dialog/layout/grid_sizing.h"
#include "dialog/layout/single_child.h"
#include "dialog/layout/window_figures.h"

namespace ambrel {

// SPACING, EXPAND, ALIGN of an hbox or vbox.
layout::BoxSettings read_box_settings(const ElementView& element, layout::BoxDirection direction);

struct GridAttributes {
  std::int32_t columns = 2;
  int columns_attribute = -1;  // which attribute gave columns; -1: none did
  layout::GridSettings settings;
};

// COLUMNS, COLSPACING, ROWSPACING, COLEXPAND, ROWEXPAND.
GridAttributes read_grid_attributes(const ElementView& element);

// COLSPAN or ROWSPAN of a grid child: the last one's value (1 when absent) and which
// attribute it is (-1 when absent).
struct SpanAttribute {
  std::int32_t value = 1;
  int attribute = -1;
};

SpanAttribute read_span(const ElementView& element, std::u16string_view name);

// MARGIN, EXPAND, EXPANDWIDTH, EXPANDHEIGHT, ALIGN; margins default to `margin`.
layout::SingleChildSettings read_single_child_settings(const ElementView& element,
                                                       std::int32_t margin);

// MINWIDTH, MINHEIGHT, MAXWIDTH, MAXHEIGHT: "AUTO" or a number kept to 16 bits.
layout::WindowBounds read_window_bounds(const ElementView& element);

struct ScrollAreaAttributes {
  layout::ScrollAreaSettings settings;
  std::int32_t step = 10;
};

// INNERWIDTH, INNERHEIGHT ("AUTO" stays automatic), STEP, SCROLLING.
ScrollAreaAttributes read_scroll_area_attributes(const ElementView& element);

// FIRSTMIN or SECONDMIN: automatic ("AUTO" / "REQUEST"), a number, or absent.
struct PaneMinimum {
  bool automatic = false;
  std::optional<std::int32_t> size;
};

PaneMinimum read_pane_minimum(const ElementView& element, std::u16string_view name);

}  // namespace ambrel
