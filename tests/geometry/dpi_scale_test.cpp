#include "geometry/dpi_scale.h"

#include <gtest/gtest.h>

namespace ambrel {
namespace {

TEST(DpiScale, At96DpiUnitsArePixels) {
  DpiScale scale(96);
  EXPECT_EQ(scale.to_pixels(Rect{-3, 7, 484, -2}), (Rect{-3, 7, 484, -2}));
  EXPECT_EQ(scale.to_units(Point{-65, 12}), (Point{-65, 12}));
  EXPECT_EQ(scale.measured_units(Size{52, 13}), (Size{52, 13}));
  EXPECT_EQ(DpiScale(0).dpi(), 96);  // a density the system did not give
}

TEST(DpiScale, SizesAndPositionsScaleByTheDensity) {
  struct Row {
    int dpi;
    int units;
    int pixels;
  };
  for (Row row : {Row{120, 500, 625}, Row{144, 500, 750}, Row{192, 500, 1000}, Row{144, 5, 8},
                  Row{144, -3, -5}, Row{120, 2, 3}, Row{72, 5, 4}}) {
    EXPECT_EQ(DpiScale(row.dpi).to_pixels(row.units), row.pixels) << row.dpi << " " << row.units;
    EXPECT_EQ(DpiScale(row.dpi).to_pixels(Size{row.units, 1}).width, row.pixels);
  }
  EXPECT_EQ(DpiScale(144).to_units(Size{750, 751}), (Size{500, 501}));
}

// The frame of the tool's window at 144 DPI: its edges scale, its size follows.
TEST(DpiScale, RectanglesScaleByTheirEdgesSoThatNeighboursStillMeet) {
  EXPECT_EQ(DpiScale(144).to_pixels(Rect{8, 8, 484, 239}), (Rect{12, 12, 726, 359}));
  for (int dpi : {110, 120, 144, 168, 192}) {
    DpiScale scale(dpi);
    for (int x = -20; x < 40; ++x) {
      Rect left = scale.to_pixels(Rect{x, 0, 5, 5});
      Rect right = scale.to_pixels(Rect{x + 5, 0, 7, 5});
      EXPECT_EQ(left.x + left.width, right.x) << dpi << " " << x;
    }
  }
}

// What the ui layer places comes back as it placed it, at every density above 96 DPI.
TEST(DpiScale, UnitsComeBackUnchangedFromPixels) {
  for (int dpi : {96, 110, 120, 144, 168, 192, 288}) {
    DpiScale scale(dpi);
    for (int value = -300; value <= 300; value += 7) {
      Rect units{value, -value, 300 - value, value / 3};
      EXPECT_EQ(scale.to_units(scale.to_pixels(units)), units) << dpi << " " << value;
    }
  }
}

// A text measured in pixels gets the fewest units that, placed again, hold all of its pixels.
TEST(DpiScale, MeasuredSizesGetTheFewestUnitsThatHoldThem) {
  EXPECT_EQ(DpiScale(144).measured_units(Size{80, 81}), (Size{53, 54}));
  EXPECT_EQ(DpiScale(120).measured_units(26), 21);
  for (int dpi : {72, 110, 120, 144, 168, 192}) {
    DpiScale scale(dpi);
    for (int pixels = -10; pixels < 400; ++pixels) {
      int units = scale.measured_units(pixels);
      EXPECT_GE(scale.to_pixels(units), pixels) << dpi;
      EXPECT_LT(scale.to_pixels(units - 1), pixels) << dpi;
      if (dpi >= 96) {
        EXPECT_EQ(scale.measured_units(scale.to_pixels(pixels)), pixels) << dpi;
      }
    }
  }
}

}  // namespace
}  // namespace ambrel
