#include "dialog/layout/container_figures.h"

#include <gtest/gtest.h>

#include <vector>

#include "dialog/layout/gadget_leaf.h"
#include "dialog/layout/size_request.h"
#include "dialog/layout/splitter_request.h"
#include "dialog/layout/window_figures.h"

#include "layout_printers.h"

namespace ambrel::layout {
namespace {

TEST(RequestRules, MinusOneAsksForNothingOnThatAxis) {
  EXPECT_EQ(apply_unwanted_axes({84, 24}, {-1, 0}), (Size{0, 24}));
  EXPECT_EQ(apply_unwanted_axes({84, 24}, {0, -1}), (Size{84, 0}));
  EXPECT_EQ(apply_unwanted_axes(measured_natural_size({84, 24}, {200, 0}), {200, 0}),
            (Size{200, 24}));
}

TEST(GadgetLeaf, TextSitsTwoPixelsLowerWhenThereIsRoom) {
  EXPECT_EQ(text_gadget_rect({0, 0, 466, 25}, 16, false), (Rect{0, 2, 466, 23}));
  EXPECT_EQ(text_gadget_rect({0, 0, 80, 60}, 60, false), (Rect{0, 0, 80, 60}));
  EXPECT_EQ(text_gadget_rect({0, 0, 466, 25}, 16, true), (Rect{0, 0, 466, 25}));
}

TEST(GadgetLeaf, ListViewHeightRoundsUpToWholeRows) {
  EXPECT_EQ(list_view_natural_height(100, 17, 4), 106);  // 4 + 5 rows of 17 < 100
  EXPECT_EQ(list_view_natural_height(106, 17, 4), 106);
  EXPECT_EQ(list_view_natural_height(100, 0, 4), 100);
}

TEST(WindowFigures, BoundsKeepTheirLowSixteenBits) {
  EXPECT_EQ(window_bound_from_number(99999), -31073);
  EXPECT_EQ(window_bound_from_number(500), 500);
  EXPECT_EQ(window_bound_from_number(-7), -7);
}

TEST(WindowFigures, RequestAndLimits) {
  const SingleChildSettings settings = single_child_settings(kWindowMargin);
  struct Row {
    const char* name;
    WindowBounds bounds;
    Size request;
    std::optional<WindowLimits> limits;
  };
  const std::vector<Row> rows = {
      {"no bounds", {}, {250, 116}, std::nullopt},
      {"minimum raises the request",
       {300, kBoundNotGiven, kBoundNotGiven, kBoundNotGiven},
       {300, 116},
       WindowLimits{300, kKeepValue, kKeepValue, kKeepValue}},
      {"maximum never lowers it",
       {300, kBoundNotGiven, 200, kBoundNotGiven},
       {300, 116},
       WindowLimits{300, kKeepValue, 200, kKeepValue}},
      {"auto takes the request",
       {kBoundAuto, kBoundAuto, kBoundAuto, -31073},
       {250, 116},
       WindowLimits{250, 116, 250, -31073}},
  };
  for (const Row& row : rows) {
    const WindowRequest result = window_natural_size(settings, row.bounds, {234, 100}, {});
    EXPECT_EQ(result.request, row.request) << row.name;
    EXPECT_EQ(result.limits, row.limits) << row.name;
  }
}

TEST(WindowFigures, ContentFillsAtLeastTheInnerAreaLessMargins) {
  SingleChildSettings settings = single_child_settings(kWindowMargin);
  settings.expand = {false, false};
  settings.align = {SideAlign::Center, SideAlign::Start};
  EXPECT_EQ(window_child_rect(settings, {100, 50}, {300, 200}), (Rect{100, 8, 284, 184}));
  EXPECT_EQ(window_open_size({0, 600}, {500, 500}), (Size{500, 600}));
}

TEST(FrameFigures, CaptionAndInsets) {
  const SingleChildSettings settings = single_child_settings(kFrameMargin);
  EXPECT_EQ(frame_caption_height(8), 10);
  EXPECT_EQ(frame_caption_height(13), 13);
  EXPECT_EQ(frame_natural_size(settings, {149, 193}, 13, {}), (Size{167, 220}));
  EXPECT_EQ(frame_child_rect(settings, {149, 193}, 13, {8, 8, 484, 239}), (Rect{17, 26, 466, 212}));
}

TEST(ContainerFigures, BorderAllowance) {
  EXPECT_EQ(container_border_allowance(0, 1), 0);
  EXPECT_EQ(container_border_allowance(kContainerFlat, 1), 2);
  EXPECT_EQ(container_border_allowance(2, 3), 6);
  const SingleChildSettings settings = single_child_settings(kContainerMargin);
  EXPECT_EQ(container_natural_size(settings, {50, 20}, 6, {}), (Size{76, 46}));
  EXPECT_EQ(container_child_rect(settings, {50, 20}, 6, {200, 100}), (Rect{13, 13, 174, 74}));
}

TEST(ScrollAreaFigures, VerticalScrollingKeepsTheWidth) {
  const SingleChildSettings settings = single_child_settings(kScrollAreaMargin);
  ScrollAreaSettings scroll;
  scroll.scrolling = Scrolling::VerticalOnly;
  EXPECT_EQ(scroll_area_natural_size(settings, scroll, {200, 900}, {0, 77}), (Size{242, 77}));
  const ScrollAreaPlacement placement =
      scroll_area_place_child(settings, scroll, {200, 900}, {150, 300});
  EXPECT_EQ(placement.child, (Rect{10, 10, 108, 900}));
  EXPECT_EQ(placement.inner_width, 128);
  EXPECT_EQ(placement.inner_height, 920);
}

TEST(ScrollAreaFigures, GivenInnerSizeWidensTheContent) {
  const SingleChildSettings settings = single_child_settings(kScrollAreaMargin);
  ScrollAreaSettings scroll;
  scroll.inner_width = 500;
  EXPECT_EQ(scroll_area_natural_size(settings, scroll, {200, 900}, {30, 40}), (Size{30, 40}));
  const ScrollAreaPlacement placement =
      scroll_area_place_child(settings, scroll, {200, 100}, {150, 300});
  EXPECT_EQ(placement.child, (Rect{10, 10, 480, 100}));
  EXPECT_FALSE(placement.inner_width.has_value());
  EXPECT_EQ(placement.inner_height, 120);
}

TEST(PanelFigures, LargestPagePlusStripAndBorders) {
  const std::vector<Size> tabs = {{100, 40}, {60, 80}};
  EXPECT_EQ(panel_natural_size(tabs, 21, {}), (Size{104, 103}));
  EXPECT_EQ(panel_natural_size(tabs, 21, {200, 0}), (Size{200, 103}));
}

TEST(SplitterRequest, PanesAndBar) {
  EXPECT_EQ(splitter_natural_size(0, {149, 16}, {146, 173}, {}), (Size{149, 193}));
  EXPECT_EQ(splitter_natural_size(geometry::kSplitterVertical, {0, 0}, {142, 173}, {}),
            (Size{146, 173}));
  EXPECT_EQ(splitter_natural_size(geometry::kSplitterVertical | geometry::kSplitterSeparator,
                                  {10, 5}, {20, 9}, {0, 30}),
            (Size{37, 30}));
  EXPECT_EQ(splitter_pane_minimum(0, {149, 16}), 16);
  EXPECT_EQ(splitter_pane_minimum(geometry::kSplitterVertical, {142, 173}), 142);
}

}  // namespace
}  // namespace ambrel::layout
