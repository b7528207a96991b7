#include "dialog/definition/layout_words.h"

#include "dialog/definition/attribute_words.h"

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

constexpr std::string_view kItemPrefix = "ITEM:";

std::optional<ExpandChoice> parse_equal_or_item(std::u16string_view text) {
  if (equals_ignoring_case(text, "EQUAL")) {
    return ExpandChoice{ExpandMode::Equal, 0};
  }
  if (starts_with_ignoring_case(text, kItemPrefix)) {
    // Counted from 1 in the definition; 0 or a non-number names no child.
    const int32_t n = read_decimal(text.substr(kItemPrefix.size()));
    return ExpandChoice{ExpandMode::Item, n - 1};
  }
  return std::nullopt;
}

}  // namespace

std::optional<ExpandChoice> parse_line_expand(std::u16string_view text) {
  if (equals_ignoring_case(text, "NO")) {
    return ExpandChoice{ExpandMode::No, 0};
  }
  return parse_equal_or_item(text);
}

std::optional<ExpandChoice> parse_row_expand(std::u16string_view text) {
  if (equals_ignoring_case(text, "YES")) {
    return ExpandChoice{ExpandMode::Yes, 0};
  }
  return parse_equal_or_item(text);
}

std::optional<LineAlign> parse_line_align(std::u16string_view text) {
  if (equals_ignoring_case(text, "CENTER")) {
    return LineAlign::Center;
  }
  if (equals_ignoring_case(text, "BOTTOM") || equals_ignoring_case(text, "RIGHT")) {
    return LineAlign::End;
  }
  return std::nullopt;
}

std::optional<Scrolling> parse_scrolling(std::u16string_view text) {
  if (equals_ignoring_case(text, "HORIZONTAL")) {
    return Scrolling::HorizontalOnly;
  }
  if (equals_ignoring_case(text, "VERTICAL")) {
    return Scrolling::VerticalOnly;
  }
  return std::nullopt;
}

bool is_request_word(std::u16string_view text) {
  return is_auto_word(text) || equals_ignoring_case(text, "REQUEST");
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

}  // namespace ambrel::layout
