#include "geometry/splitter_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ambrel::geometry {
namespace {

SplitterGeometry made_at_zero(uint32_t flags, int32_t first_min, int32_t second_min) {
  SplitterGeometry splitter = splitter_create(flags, 0, 0);
  splitter.first_min = first_min;
  splitter.second_min = second_min;
  return splitter;
}

TEST(SplitterGeometry, FirstFixedKeepsTheLabelRow) {
  SplitterGeometry splitter = made_at_zero(kSplitterFirstFixed, 25, 200);
  EXPECT_TRUE(splitter_resize(splitter, 466, 212));
  EXPECT_EQ(splitter_avail(splitter), 208);
  EXPECT_EQ(splitter.first_pane, (Rect{0, 0, 466, 25}));
  EXPECT_EQ(splitter.second_pane, (Rect{0, 29, 466, 183}));
  splitter_resize(splitter, 466, 500);
  EXPECT_EQ(splitter.first_pane.height, 25);
  EXPECT_EQ(splitter.second_pane.height, 471);
}

TEST(SplitterGeometry, SecondFixedKeepsTheButtonColumn) {
  SplitterGeometry splitter = made_at_zero(kSplitterVertical | kSplitterSecondFixed, 0, 80);
  splitter_resize(splitter, 466, 183);
  EXPECT_EQ(splitter.first_pane, (Rect{0, 0, 382, 183}));
  EXPECT_EQ(splitter.second_pane, (Rect{386, 0, 80, 183}));
  splitter_resize(splitter, 566, 183);
  EXPECT_EQ(splitter.first_pane.width, 482);
  EXPECT_EQ(splitter.second_pane, (Rect{486, 0, 80, 183}));
}

TEST(SplitterGeometry, NeitherFixedSharesByRatio) {
  SplitterGeometry splitter = made_at_zero(0, 0, 0);
  splitter_resize(splitter, 404, 100);
  EXPECT_EQ(splitter.first_pane.height, 48);
  EXPECT_EQ(splitter.second_pane, (Rect{0, 52, 404, 48}));
}

TEST(SplitterGeometry, ZeroSizeArrangesNothing) {
  SplitterGeometry splitter = made_at_zero(0, 0, 0);
  splitter_resize(splitter, 404, 100);
  EXPECT_FALSE(splitter_resize(splitter, 0, 0));
  EXPECT_EQ(splitter.first_pane.height, 48);
}

TEST(SplitterGeometry, SetStateSetsTheRatio) {
  SplitterGeometry splitter = made_at_zero(0, 0, 0);
  splitter_resize(splitter, 50, 104);
  splitter_set_state(splitter, 30);
  EXPECT_DOUBLE_EQ(splitter.ratio, 100.0 / 70.0);
  EXPECT_EQ(splitter_position(splitter), 30);
  splitter_resize(splitter, 50, 204);
  EXPECT_EQ(splitter.second_pane.height, 140);
  EXPECT_EQ(splitter.first_pane.height, 60);
}

TEST(SplitterGeometry, SetStateBeyondTheEndLeavesOnePixel) {
  SplitterGeometry splitter = made_at_zero(0, 0, 0);
  splitter_resize(splitter, 50, 104);
  splitter_set_state(splitter, 500);
  EXPECT_EQ(splitter_position(splitter), 99);
  EXPECT_EQ(splitter.second_pane.height, 1);
}

TEST(SplitterGeometry, FirstMinimumWinsWhenBothCannotBeMet) {
  SplitterGeometry splitter = made_at_zero(0, 60, 60);
  splitter_resize(splitter, 50, 104);
  EXPECT_EQ(splitter.first_pane.height, 60);
  EXPECT_EQ(splitter.second_pane.height, 40);
}

TEST(SplitterGeometry, HitTestCoversTheBarAndReachesIntoTheFirstPane) {
  SplitterGeometry splitter = made_at_zero(kSplitterVertical, 0, 0);
  splitter_resize(splitter, 104, 50);  // first pane 50 wide, bar 50..53
  struct Row {
    int32_t x;
    std::optional<int32_t> offset;
  };
  for (const Row& row :
       {Row{46, std::nullopt}, Row{47, -3}, Row{50, 0}, Row{53, 3}, Row{54, std::nullopt}}) {
    EXPECT_EQ(splitter_hit_test(splitter, row.x, 999), row.offset) << row.x;
  }
}

TEST(SplitterGeometry, DragFollowsThePointerExactly) {
  // 9 / (9 / 7) is 6.999... in doubles; the pane must still come out 7.
  SplitterGeometry splitter = made_at_zero(0, 0, 0);
  splitter_resize(splitter, 10, 13);  // avail 9
  ASSERT_TRUE(splitter_press(splitter, 0, splitter_position(splitter) + 1));
  EXPECT_TRUE(splitter_drag(splitter, 0, 3));
  EXPECT_EQ(splitter.second_pane.height, 7);
  EXPECT_EQ(splitter.first_pane.height, 2);
}

TEST(SplitterGeometry, DragNeedsTheCapture) {
  SplitterGeometry splitter = made_at_zero(0, 0, 0);
  splitter_resize(splitter, 100, 104);
  EXPECT_FALSE(splitter_press(splitter, 0, 10));
  EXPECT_FALSE(splitter_drag(splitter, 0, 20));
  ASSERT_TRUE(splitter_press(splitter, 0, 51));
  splitter_release(splitter);
  EXPECT_FALSE(splitter_drag(splitter, 0, 20));
  EXPECT_EQ(splitter_position(splitter), 50);
}

TEST(SplitterGeometry, DragBeyondTheEndsStopsAtTheMinimums) {
  SplitterGeometry splitter = made_at_zero(0, 10, 20);
  splitter_resize(splitter, 100, 104);  // avail 100
  ASSERT_TRUE(splitter_press(splitter, 0, splitter_position(splitter) + 2));
  splitter_drag(splitter, 0, 5000);
  EXPECT_TRUE(std::isinf(splitter.ratio));
  EXPECT_EQ(splitter.second_pane.height, 20);
  splitter_resize(splitter, 100, 204);
  EXPECT_EQ(splitter.second_pane.height, 20);
  splitter_drag(splitter, 0, -5000);
  EXPECT_DOUBLE_EQ(splitter.ratio, 1.0);
  EXPECT_EQ(splitter.first_pane.height, 10);
}

TEST(SplitterGeometry, SmallerThanItsSeparatorStaysDefined) {
  SplitterGeometry splitter = made_at_zero(0, 0, 0);
  splitter_resize(splitter, 10, 4);  // avail 0
  ASSERT_TRUE(splitter_press(splitter, 0, 1));
  splitter_drag(splitter, 0, 3);  // ratio 0 / 0
  splitter_resize(splitter, 10, 3);
  EXPECT_EQ(splitter.first_pane.height + splitter.second_pane.height, -1);
}

TEST(SplitterGeometry, SeparatorBarHasAGrip) {
  SplitterGeometry splitter = made_at_zero(kSplitterVertical | kSplitterSeparator, 0, 0);
  splitter_resize(splitter, 107, 40);
  EXPECT_EQ(splitter.separator, 7);
  EXPECT_EQ(splitter.second_pane.x, 57);
  EXPECT_EQ(splitter_grip_rect(splitter), (Rect{52, 0, 3, 40}));
  EXPECT_FALSE(splitter_grip_rect(made_at_zero(0, 0, 0)).has_value());
}

}  // namespace
}  // namespace ambrel::geometry
