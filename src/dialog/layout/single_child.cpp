#include "dialog/layout/single_child.h"

#include <algorithm>

#include "dialog/layout/attribute_words.h"

namespace ambrel::layout {
namespace {

// The number after word in text, when word occurs.
std::optional<int32_t> number_after(std::u16string_view text, std::string_view word) {
  const std::size_t at = find_ignoring_case(text, word);
  if (at == std::u16string_view::npos) {
    return std::nullopt;
  }
  return read_figure(text.substr(at + word.size()));
}

bool contains(std::u16string_view text, std::string_view word) {
  return find_ignoring_case(text, word) != std::u16string_view::npos;
}

// The words MARGIN with ":" looks for; sides not named are 0.
constexpr std::string_view kTopSide = "TOP:";
constexpr std::string_view kBottomSide = "BOTTOM:";
constexpr std::string_view kLeftSide = "LEFT:";
constexpr std::string_view kRightSide = "RIGHT:";
constexpr std::string_view kVerticalSides = "VERTICAL:";
constexpr std::string_view kHorizontalSides = "HORIZONTAL:";

// The words ALIGN looks for.
constexpr std::string_view kAlignTop = "TOP";
constexpr std::string_view kAlignBottom = "BOTTOM";
constexpr std::string_view kAlignLeft = "LEFT";
constexpr std::string_view kAlignRight = "RIGHT";
constexpr std::string_view kAlignCenter = "CENTER";

struct AxisPlacement {
  int32_t position;
  int32_t size;
};

AxisPlacement place_on_axis(int32_t start, int32_t room, int32_t request, bool expand,
                            int32_t limit, SideAlign align) {
  if (room <= request) {
    return {start, room};
  }
  int32_t size = room;
  if (!expand) {
    size = request;
  } else if (limit > 0 && limit < room) {
    size = std::max(request, limit);
  }
  if (align == SideAlign::Center) {
    return {start + (room - size) / 2, size};
  }
  if (align == SideAlign::End) {
    return {start + room - size, size};
  }
  return {start, size};
}

}  // namespace

Margins uniform_margins(int32_t margin) { return {margin, margin, margin, margin}; }

SingleChildSettings single_child_settings(int32_t margin) {
  SingleChildSettings settings;
  settings.margins = uniform_margins(margin);
  return settings;
}

std::optional<Margins> parse_margin_sides(std::u16string_view text) {
  if (text.find(u':') == std::u16string_view::npos) {
    return std::nullopt;
  }
  Margins margins;
  margins.top = number_after(text, kTopSide).value_or(0);
  margins.bottom = number_after(text, kBottomSide).value_or(0);
  margins.left = number_after(text, kLeftSide).value_or(0);
  margins.right = number_after(text, kRightSide).value_or(0);
  if (const std::optional<int32_t> vertical = number_after(text, kVerticalSides)) {
    margins.top = margins.bottom = *vertical;
  }
  if (const std::optional<int32_t> horizontal = number_after(text, kHorizontalSides)) {
    margins.left = margins.right = *horizontal;
  }
  return margins;
}

bool names_a_margin_side(std::u16string_view text) {
  for (std::string_view side :
       {kTopSide, kBottomSide, kLeftSide, kRightSide, kVerticalSides, kHorizontalSides}) {
    if (contains(text, side)) return true;
  }
  return false;
}

std::optional<ExpandSwitches> parse_single_expand(std::u16string_view text) {
  if (equals_ignoring_case(text, "VERTICAL")) {
    return ExpandSwitches{false, true};
  }
  if (equals_ignoring_case(text, "HORIZONTAL")) {
    return ExpandSwitches{true, false};
  }
  if (equals_ignoring_case(text, "NO")) {
    return ExpandSwitches{false, false};
  }
  return std::nullopt;
}

SingleAlign apply_single_align(SingleAlign current, std::u16string_view text) {
  SingleAlign align = current;
  if (contains(text, kAlignTop)) {
    align.vertical = SideAlign::Start;
  }
  if (contains(text, kAlignBottom)) {
    align.vertical = SideAlign::End;
  }
  if (contains(text, kAlignLeft)) {
    align.horizontal = SideAlign::Start;
  }
  if (contains(text, kAlignRight)) {
    align.horizontal = SideAlign::End;
  }
  const SideAlign rest = contains(text, kAlignCenter) ? SideAlign::Center : SideAlign::Start;
  if (align.horizontal == SideAlign::Unset) {
    align.horizontal = rest;
  }
  if (align.vertical == SideAlign::Unset) {
    align.vertical = rest;
  }
  return align;
}

bool names_an_alignment(std::u16string_view text) {
  for (std::string_view word : {kAlignTop, kAlignBottom, kAlignLeft, kAlignRight, kAlignCenter}) {
    if (contains(text, word)) return true;
  }
  return false;
}

Rect place_single_child(const SingleChildSettings& settings, Size child_request, Rect area) {
  const Margins& m = settings.margins;
  const AxisPlacement across = place_on_axis(
      area.x + m.left, area.width - m.left - m.right, child_request.width,
      settings.expand.horizontal, settings.expand_width_limit, settings.align.horizontal);
  const AxisPlacement down = place_on_axis(area.y + m.top, area.height - m.top - m.bottom,
                                           child_request.height, settings.expand.vertical,
                                           settings.expand_height_limit, settings.align.vertical);
  return {across.position, down.position, across.size, down.size};
}

Size singlebox_natural_size(const SingleChildSettings& settings, Size child_request, Size wish) {
  const Margins& m = settings.margins;
  return {std::max(wish.width, m.left + m.right + child_request.width),
          std::max(wish.height, m.top + m.bottom + child_request.height)};
}

}  // namespace ambrel::layout
