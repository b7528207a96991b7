#include "dialog/layout/box.h"

#include <gtest/gtest.h>

#include <vector>

#include "layout_printers.h"

namespace ambrel::layout {
namespace {

BoxSettings hbox(ExpandMode expand, int32_t spacing) {
  return {BoxDirection::Horizontal, spacing, expand, 0, LineAlign::Start};
}

std::vector<ChildRequest> widths(std::initializer_list<int32_t> values) {
  std::vector<ChildRequest> children;
  for (int32_t w : values) {
    children.push_back({{w, 10}, false});
  }
  return children;
}

// x and width of every placed child of an hbox allocated at (x, 0, width, 10).
std::vector<std::pair<int32_t, int32_t>> spans(const std::vector<std::optional<Rect>>& rects) {
  std::vector<std::pair<int32_t, int32_t>> result;
  for (const std::optional<Rect>& rect : rects) {
    if (rect) {
      result.emplace_back(rect->x, rect->width);
    }
  }
  return result;
}

using Spans = std::vector<std::pair<int32_t, int32_t>>;

TEST(Box, EmptyBoxRequestsItsWishAndPlacesNothing) {
  BoxMeasure measure;
  const BoxSettings settings = hbox(ExpandMode::Yes, 5);
  EXPECT_EQ(box_natural_size(settings, {}, {30, 40}, measure), (Size{30, 40}));
  EXPECT_TRUE(box_allocate(settings, measure, {0, 0, 100, 100}).empty());
}

TEST(Box, SharesTheLine) {
  struct Row {
    const char* name;
    BoxSettings settings;
    std::vector<ChildRequest> children;
    int32_t width;
    Spans expected;
  };
  BoxSettings item2 = hbox(ExpandMode::Item, 0);
  item2.expand_item = 1;
  BoxSettings item_none = hbox(ExpandMode::Item, 0);
  item_none.expand_item = -1;
  BoxSettings centred = hbox(ExpandMode::No, 0);
  centred.align = LineAlign::Center;
  BoxSettings at_end = hbox(ExpandMode::No, 0);
  at_end.align = LineAlign::End;
  const std::vector<Row> rows = {
      {"too little room", hbox(ExpandMode::Yes, 5), widths({100, 50}), 77, {{0, 49}, {54, 24}}},
      {"yes mode",
       hbox(ExpandMode::Yes, 0),
       widths({10, 20, 30}),
       100,
       {{0, 23}, {23, 33}, {56, 43}}},
      {"item 2", item2, widths({10, 20, 30}), 100, {{0, 10}, {10, 60}, {70, 30}}},
      {"item matching nobody", item_none, widths({10, 20, 30}), 100, {{0, 10}, {10, 20}, {30, 30}}},
      {"no mode centred", centred, widths({10, 20}), 100, {{35, 10}, {45, 20}}},
      {"no mode at the end", at_end, widths({10, 20}), 100, {{70, 10}, {80, 20}}},
      {"centred with a negative extra", centred, widths({10, 20}), -10, {{-20, 10}, {-10, 20}}},
      {"yes mode without room", hbox(ExpandMode::Yes, 5), widths({10, 20}), 0, {{0, -7}, {-2, 3}}},
      {"equal mode", hbox(ExpandMode::Equal, 5), widths({10, 90}), 100, {{0, 47}, {52, 47}}},
  };
  for (const Row& row : rows) {
    BoxMeasure measure;
    box_natural_size(row.settings, row.children, {}, measure);
    EXPECT_EQ(spans(box_allocate(row.settings, measure, {0, 0, row.width, 10})), row.expected)
        << row.name;
  }
}

TEST(Box, EqualModeRequestsTheLargestChildEach) {
  BoxMeasure measure;
  const BoxSettings settings{BoxDirection::Vertical, 5, ExpandMode::Equal, 0, LineAlign::Start};
  const std::vector<ChildRequest> frames = {{{167, 220}, false}, {{146, 70}, false}};
  EXPECT_EQ(box_natural_size(settings, frames, {}, measure), (Size{167, 445}));
}

TEST(Box, FoldedChildrenTakeNoPlaceAndNoGap) {
  BoxMeasure measure;
  const BoxSettings settings{BoxDirection::Vertical, 5, ExpandMode::Equal, 0, LineAlign::Start};
  const std::vector<ChildRequest> children = {{{10, 10}, false}, {{0, 0}, true}, {{10, 10}, false}};
  EXPECT_EQ(box_natural_size(settings, children, {}, measure), (Size{10, 25}));
  EXPECT_EQ(measure.folded_count, 1);
  const std::vector<std::optional<Rect>> rects = box_allocate(settings, measure, {0, 0, 50, 105});
  EXPECT_EQ(rects[0], (Rect{0, 0, 50, 50}));
  EXPECT_FALSE(rects[1].has_value());
  EXPECT_EQ(rects[2], (Rect{0, 55, 50, 50}));
}

TEST(Box, ItemIndexCountsFoldedChildren) {
  BoxMeasure measure;
  BoxSettings settings = hbox(ExpandMode::Item, 0);
  settings.expand_item = 2;
  const std::vector<ChildRequest> children = {{{10, 1}, false}, {{0, 0}, true}, {{10, 1}, false}};
  box_natural_size(settings, children, {}, measure);
  EXPECT_EQ(spans(box_allocate(settings, measure, {0, 0, 50, 1})), (Spans{{0, 10}, {10, 40}}));
}

TEST(Box, LargeRequestsDoNotOverflowTheProportionalShare) {
  BoxMeasure measure;
  const BoxSettings settings = hbox(ExpandMode::Yes, 0);
  box_natural_size(settings, widths({1'000'000'000, 1'000'000'000}), {}, measure);
  EXPECT_EQ(spans(box_allocate(settings, measure, {0, 0, 1'000'000'000, 1})),
            (Spans{{0, 500'000'000}, {500'000'000, 500'000'000}}));
}

TEST(Box, RoomBelowZeroShrinksALineWhoseTotalSaturates) {
  BoxMeasure measure;
  const BoxSettings settings = hbox(ExpandMode::Yes, 0);
  box_natural_size(settings, widths({1'000'000'000, 1'000'000'000, 1'000'000'000}), {}, measure);
  ASSERT_EQ(measure.requested_main, INT32_MAX);
  // Each child gives up a third of the 2^31 + 99 pixels missing.
  EXPECT_EQ(spans(box_allocate(settings, measure, {0, 0, -100, 1})),
            (Spans{{0, 284'172'085}, {284'172'085, 284'172'085}, {568'344'170, 284'172'085}}));
}

}  // namespace
}  // namespace ambrel::layout
