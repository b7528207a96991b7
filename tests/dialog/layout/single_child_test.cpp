#include "dialog/layout/single_child.h"

#include <gtest/gtest.h>

#include <vector>

#include "dialog/layout/multibox.h"

#include "layout_printers.h"

namespace ambrel::layout {
namespace {

TEST(SingleChild, PlacesTheChildInsideTheMargins) {
  struct Row {
    const char* name;
    SingleChildSettings settings;
    Rect expected;
  };
  SingleChildSettings fixed_centred = single_child_settings(10);
  fixed_centred.expand = {false, false};
  fixed_centred.align = {SideAlign::Center, SideAlign::Center};
  SingleChildSettings limited = single_child_settings(10);
  limited.expand_width_limit = 60;
  SingleChildSettings limited_below_request = single_child_settings(10);
  limited_below_request.expand_width_limit = 30;
  SingleChildSettings fixed_at_end = single_child_settings(10);
  fixed_at_end.expand = {false, false};
  fixed_at_end.align = {SideAlign::End, SideAlign::End};
  const std::vector<Row> rows = {
      {"defaults fill the room", single_child_settings(10), {10, 10, 180, 80}},
      {"no expand, centred", fixed_centred, {75, 40, 50, 20}},
      {"expand width limit", limited, {10, 10, 60, 80}},
      {"limit below the request", limited_below_request, {10, 10, 50, 80}},
      {"no expand, at the end", fixed_at_end, {140, 70, 50, 20}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(place_single_child(row.settings, {50, 20}, {0, 0, 200, 100}), row.expected)
        << row.name;
  }
}

TEST(SingleChild, TooLittleRoomGivesTheRoomAtItsStart) {
  SingleChildSettings settings = single_child_settings(10);
  settings.expand = {false, false};
  settings.align = {SideAlign::End, SideAlign::Center};
  EXPECT_EQ(place_single_child(settings, {50, 20}, {5, 5, 60, 30}), (Rect{15, 15, 40, 10}));
}

TEST(SingleChild, SingleboxRequestsChildAndMargins) {
  EXPECT_EQ(singlebox_natural_size(single_child_settings(10), {50, 20}, {}), (Size{70, 40}));
  EXPECT_EQ(singlebox_natural_size(single_child_settings(10), {50, 20}, {100, 0}), (Size{100, 40}));
}

TEST(SingleChild, UniformMargins) { EXPECT_EQ(uniform_margins(3), (Margins{3, 3, 3, 3})); }

TEST(Multibox, RequestsTheLargestOfItsChildren) {
  const std::vector<Size> children = {{50, 10}, {20, 40}};
  EXPECT_EQ(multibox_natural_size(children, {}), (Size{50, 40}));
  EXPECT_EQ(multibox_natural_size(children, {60, 0}), (Size{60, 40}));
}

}  // namespace
}  // namespace ambrel::layout
