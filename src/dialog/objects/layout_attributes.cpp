#include "dialog/objects/layout_attributes.h"

#include <optional>

#include "dialog/layout/attribute_words.h"
#include "dialog/layout/expand_words.h"
#include "dialog/layout/splitter_request.h"
#include "dialog/definition/name_compare.h"

namespace ambrel {
namespace {

// Calls visit(value) for every attribute with the name, in document order.
template <class Visit>
void for_each_value(const ElementView& element, std::u16string_view name, Visit visit) {
  for (int i = 0; i < element.attribute_count; ++i) {
    if (names_equal(element.attribute_name(i), name)) visit(element.attribute_value(i));
  }
}

std::int16_t read_bound(std::u16string_view value) {
  if (layout::is_auto_word(value)) return layout::kBoundAuto;
  return layout::window_bound_from_number(layout::read_decimal(value));
}

}  // namespace

layout::BoxSettings read_box_settings(const ElementView& element, layout::BoxDirection direction) {
  layout::BoxSettings settings;
  settings.direction = direction;
  for_each_value(element, u"SPACING",
                 [&](auto value) { settings.spacing = layout::read_figure(value); });
  for_each_value(element, u"EXPAND", [&](auto value) {
    if (std::optional<layout::ExpandChoice> choice = layout::parse_line_expand(value)) {
      settings.expand = choice->mode;
      settings.expand_item = choice->item;
    }
  });
  for_each_value(element, u"ALIGN", [&](auto value) {
    if (std::optional<layout::LineAlign> align = layout::parse_line_align(value)) {
      settings.align = *align;
    }
  });
  return settings;
}

GridAttributes read_grid_attributes(const ElementView& element) {
  GridAttributes grid;
  for_each_value(element, u"COLUMNS",
                 [&](auto value) { grid.columns = layout::read_decimal(value); });
  for_each_value(element, u"COLSPACING",
                 [&](auto value) { grid.settings.column_spacing = layout::read_figure(value); });
  for_each_value(element, u"ROWSPACING",
                 [&](auto value) { grid.settings.row_spacing = layout::read_figure(value); });
  for_each_value(element, u"COLEXPAND", [&](auto value) {
    if (auto choice = layout::parse_line_expand(value)) grid.settings.column_expand = *choice;
  });
  for_each_value(element, u"ROWEXPAND", [&](auto value) {
    if (auto choice = layout::parse_row_expand(value)) grid.settings.row_expand = *choice;
  });
  return grid;
}

std::int32_t read_span(const ElementView& element, std::u16string_view name) {
  std::int32_t span = 1;
  for_each_value(element, name, [&](auto value) { span = layout::read_decimal(value); });
  return span;
}

layout::SingleChildSettings read_single_child_settings(const ElementView& element,
                                                       std::int32_t margin) {
  layout::SingleChildSettings settings = layout::single_child_settings(margin);
  for (int i = 0; i < element.attribute_count; ++i) {
    std::u16string_view name = element.attribute_name(i);
    std::u16string_view value = element.attribute_value(i);
    if (names_equal(name, u"MARGIN")) {
      std::optional<layout::Margins> sides = layout::parse_margin_sides(value);
      settings.margins = sides ? *sides : layout::uniform_margins(layout::read_figure(value));
    } else if (names_equal(name, u"EXPAND")) {
      if (auto expand = layout::parse_single_expand(value)) settings.expand = *expand;
    } else if (names_equal(name, u"EXPANDWIDTH")) {
      settings.expand_width_limit = layout::read_figure(value);
    } else if (names_equal(name, u"EXPANDHEIGHT")) {
      settings.expand_height_limit = layout::read_figure(value);
    } else if (names_equal(name, u"ALIGN")) {
      settings.align = layout::apply_single_align(settings.align, value);
    }
  }
  return settings;
}

layout::WindowBounds read_window_bounds(const ElementView& element) {
  layout::WindowBounds bounds;
  for_each_value(element, u"MINWIDTH", [&](auto value) { bounds.min_width = read_bound(value); });
  for_each_value(element, u"MINHEIGHT", [&](auto value) { bounds.min_height = read_bound(value); });
  for_each_value(element, u"MAXWIDTH", [&](auto value) { bounds.max_width = read_bound(value); });
  for_each_value(element, u"MAXHEIGHT", [&](auto value) { bounds.max_height = read_bound(value); });
  return bounds;
}

ScrollAreaAttributes read_scroll_area_attributes(const ElementView& element) {
  ScrollAreaAttributes scroll;
  for_each_value(element, u"INNERWIDTH", [&](auto value) {
    if (!layout::is_auto_word(value)) scroll.settings.inner_width = layout::read_figure(value);
  });
  for_each_value(element, u"INNERHEIGHT", [&](auto value) {
    if (!layout::is_auto_word(value)) scroll.settings.inner_height = layout::read_figure(value);
  });
  for_each_value(element, u"STEP", [&](auto value) { scroll.step = layout::read_decimal(value); });
  for_each_value(element, u"SCROLLING", [&](auto value) {
    if (auto scrolling = layout::parse_scrolling(value)) scroll.settings.scrolling = *scrolling;
  });
  return scroll;
}

PaneMinimum read_pane_minimum(const ElementView& element, std::u16string_view name) {
  PaneMinimum minimum;
  for_each_value(element, name, [&](auto value) {
    if (layout::is_request_word(value)) {
      minimum.automatic = true;
    } else {
      minimum.size = layout::read_figure(value);
    }
  });
  return minimum;
}

}  // namespace ambrel
