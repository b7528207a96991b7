#pragma once

// Between the 96-DPI units the layers above a backend speak in and the pixels of a screen of
// another density. A rectangle is scaled by its edges, so that rectangles that meet meet
// after scaling too; a measured size is rounded up, so that what is placed at it in units
// never comes out smaller than what was measured.

#include "geometry/point_size_rect.h"

namespace ambrel {

inline constexpr int kUnitDpi = 96;

class DpiScale {
 public:
  explicit DpiScale(int dots_per_inch = kUnitDpi)
      : dpi_(dots_per_inch > 0 ? dots_per_inch : kUnitDpi) {}

  int dpi() const { return dpi_; }

  // Rounded to the nearest, halves away from zero.
  int to_pixels(int units) const;
  int to_units(int pixels) const;
  Point to_pixels(Point units) const;
  Point to_units(Point pixels) const;
  Size to_pixels(Size units) const;
  Size to_units(Size pixels) const;
  Rect to_pixels(Rect units) const;
  Rect to_units(Rect pixels) const;

  // The fewest units that come to at least the pixels: a text's or a metric's measure. A
  // measure in pixels that came from units gives those units back.
  Size measured_units(Size pixels) const;
  int measured_units(int pixels) const;

 private:
  int dpi_;
};

}  // namespace ambrel
