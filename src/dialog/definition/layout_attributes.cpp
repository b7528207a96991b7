#include "dialog/definition/layout_attributes.h"

#include <optional>

#include "dialog/definition/attribute_values.h"
#include "dialog/definition/message_text.h"
#include "dialog/definition/attribute_words.h"
#include "dialog/definition/layout_words.h"
#include "support/unicode_text.h"
#include "ui/window.h"

namespace ambrel {
namespace {

// Calls visit(index) for every attribute with the name, in document order.
template <class Visit>
void for_each_attribute(const ElementView& element, std::u16string_view name, Visit visit) {
  for (int i = 0; i < element.attribute_count; ++i) {
    if (element.attribute_is(i, name)) visit(i);
  }
}

// The attribute as the messages show it: name 'value'.
std::string quoted_value(const ElementView& element, int attribute) {
  return message_text({element.written_name(attribute), " '",
                       utf16_to_utf8(element.attribute_value(attribute)), "'"});
}

void warn_unknown_word(const ElementView& element, int attribute) {
  element.warn(attribute, message_text({quoted_value(element, attribute), " is not a value ",
                                        element.written_name(-1), " knows; it changes nothing"}));
}

// A word attribute whose value is none of the words the element knows changes nothing.
template <class Word>
std::optional<Word> warn_unless_known(const ElementView& element, int attribute,
                                      std::optional<Word> word) {
  if (!word) warn_unknown_word(element, attribute);
  return word;
}

// An expand choice: as the word says, or nothing. ITEM: with a number below 1 names no
// child, so then no child takes the extra room.
std::optional<layout::ExpandChoice> read_expand(const ElementView& element, int attribute,
                                                std::optional<layout::ExpandChoice> choice) {
  warn_unless_known(element, attribute, choice);
  if (choice && choice->mode == layout::ExpandMode::Item && choice->item < 0) {
    element.warn(attribute, message_text({quoted_value(element, attribute),
                                          " names no child; no child takes the extra room"}));
  }
  return choice;
}

// Sets `target` from each attribute with the name whose value `parse` reads as a word the
// element knows; any other value is warned about and changes nothing.
template <class Word>
void read_word_attribute(const ElementView& element, std::u16string_view name,
                         std::optional<Word> (*parse)(std::u16string_view), Word& target) {
  for_each_attribute(element, name, [&](int i) {
    if (auto word = warn_unless_known(element, i, parse(element.attribute_value(i)))) {
      target = *word;
    }
  });
}

// The same for an expand choice, which is also warned about when it names no child.
void read_expand_attribute(const ElementView& element, std::u16string_view name,
                           std::optional<layout::ExpandChoice> (*parse)(std::u16string_view),
                           layout::ExpandChoice& target) {
  for_each_attribute(element, name, [&](int i) {
    if (auto choice = read_expand(element, i, parse(element.attribute_value(i)))) {
      target = *choice;
    }
  });
}

std::string meaning_of_bound(std::int16_t bound) {
  if (bound == layout::kBoundAuto) return "AUTO";
  if (bound == layout::kBoundNotGiven) return "not given";
  return {};
}

enum class BoundLimit { minimum, maximum };

// A window bound keeps 16 bits, in which -1 means AUTO and -2 not given; the window keeps no
// maximum above kLargestWindowMaximum.
std::int16_t read_bound(const ElementView& element, int attribute, BoundLimit limit) {
  if (layout::is_auto_word(element.attribute_value(attribute))) return layout::kBoundAuto;
  std::int32_t number = read_decimal_attribute(element, attribute);
  std::int16_t bound = layout::window_bound_from_number(number);
  std::string meaning = meaning_of_bound(bound);
  std::string said = message_text({element.written_name(attribute), " ", std::to_string(number)});
  if (bound != number) {
    element.warn(attribute, message_text({said, " is held in 16 bits as ", std::to_string(bound),
                                          meaning.empty() ? "" : ", which means ", meaning}));
  } else if (!meaning.empty()) {
    element.warn(attribute, message_text({said, " means ", meaning}));
  } else if (limit == BoundLimit::maximum && bound > kLargestWindowMaximum) {
    element.warn(attribute,
                 message_text({said, " is taken as ", std::to_string(kLargestWindowMaximum),
                               ", the largest maximum a window keeps"}));
  }
  return bound;
}

}  // namespace

layout::BoxSettings read_box_settings(const ElementView& element, layout::BoxDirection direction) {
  layout::BoxSettings settings;
  settings.direction = direction;
  for_each_attribute(element, u"SPACING",
                     [&](int i) { settings.spacing = read_figure_attribute(element, i); });
  for_each_attribute(element, u"EXPAND", [&](int i) {
    if (auto choice =
            read_expand(element, i, layout::parse_line_expand(element.attribute_value(i)))) {
      settings.expand = choice->mode;
      settings.expand_item = choice->item;
    }
  });
  read_word_attribute(element, u"ALIGN", layout::parse_line_align, settings.align);
  return settings;
}

GridAttributes read_grid_attributes(const ElementView& element) {
  GridAttributes grid;
  for_each_attribute(element, u"COLUMNS", [&](int i) {
    grid.columns = read_decimal_attribute(element, i);
    grid.columns_attribute = i;
  });
  for_each_attribute(element, u"COLSPACING", [&](int i) {
    grid.settings.column_spacing = read_figure_attribute(element, i);
  });
  for_each_attribute(element, u"ROWSPACING",
                     [&](int i) { grid.settings.row_spacing = read_figure_attribute(element, i); });
  read_expand_attribute(element, u"COLEXPAND", layout::parse_line_expand,
                        grid.settings.column_expand);
  read_expand_attribute(element, u"ROWEXPAND", layout::parse_row_expand, grid.settings.row_expand);
  return grid;
}

SpanAttribute read_span(const ElementView& element, std::u16string_view name) {
  SpanAttribute span;
  for_each_attribute(element, name, [&](int i) {
    span.value = read_decimal_attribute(element, i);
    span.attribute = i;
  });
  return span;
}

layout::SingleChildSettings read_single_child_settings(const ElementView& element,
                                                       std::int32_t margin) {
  layout::SingleChildSettings settings = layout::single_child_settings(margin);
  for (int i = 0; i < element.attribute_count; ++i) {
    std::u16string_view value = element.attribute_value(i);
    if (element.attribute_is(i, u"MARGIN")) {
      std::optional<layout::Margins> sides = layout::parse_margin_sides(value);
      if (sides && !layout::names_a_margin_side(value)) {
        element.warn(i,
                     message_text({quoted_value(element, i), " names no side; every margin is 0"}));
      }
      settings.margins =
          sides ? *sides : layout::uniform_margins(read_figure_attribute(element, i));
    } else if (element.attribute_is(i, u"EXPAND")) {
      if (auto expand = warn_unless_known(element, i, layout::parse_single_expand(value))) {
        settings.expand = *expand;
      }
    } else if (element.attribute_is(i, u"EXPANDWIDTH")) {
      settings.expand_width_limit = read_figure_attribute(element, i);
    } else if (element.attribute_is(i, u"EXPANDHEIGHT")) {
      settings.expand_height_limit = read_figure_attribute(element, i);
    } else if (element.attribute_is(i, u"ALIGN")) {
      if (!layout::names_an_alignment(value)) warn_unknown_word(element, i);
      settings.align = layout::apply_single_align(settings.align, value);
    }
  }
  return settings;
}

layout::WindowBounds read_window_bounds(const ElementView& element) {
  layout::WindowBounds bounds;
  for_each_attribute(element, u"MINWIDTH", [&](int i) {
    bounds.min_width = read_bound(element, i, BoundLimit::minimum);
  });
  for_each_attribute(element, u"MINHEIGHT", [&](int i) {
    bounds.min_height = read_bound(element, i, BoundLimit::minimum);
  });
  for_each_attribute(element, u"MAXWIDTH", [&](int i) {
    bounds.max_width = read_bound(element, i, BoundLimit::maximum);
  });
  for_each_attribute(element, u"MAXHEIGHT", [&](int i) {
    bounds.max_height = read_bound(element, i, BoundLimit::maximum);
  });
  return bounds;
}

ScrollAreaAttributes read_scroll_area_attributes(const ElementView& element) {
  ScrollAreaAttributes scroll;
  for_each_attribute(element, u"INNERWIDTH", [&](int i) {
    if (!layout::is_auto_word(element.attribute_value(i)))
      scroll.settings.inner_width = read_figure_attribute(element, i);
  });
  for_each_attribute(element, u"INNERHEIGHT", [&](int i) {
    if (!layout::is_auto_word(element.attribute_value(i)))
      scroll.settings.inner_height = read_figure_attribute(element, i);
  });
  for_each_attribute(element, u"STEP",
                     [&](int i) { scroll.step = read_decimal_attribute(element, i); });
  read_word_attribute(element, u"SCROLLING", layout::parse_scrolling, scroll.settings.scrolling);
  return scroll;
}

PaneMinimum read_pane_minimum(const ElementView& element, std::u16string_view name) {
  PaneMinimum minimum;
  for_each_attribute(element, name, [&](int i) {
    if (layout::is_request_word(element.attribute_value(i))) {
      minimum.automatic = true;
    } else {
      minimum.size = read_figure_attribute(element, i);
    }
  });
  return minimum;
}

}  // namespace ambrel
