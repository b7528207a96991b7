#include "geometry/dpi_scale.h"

#include <cstdint>

namespace ambrel {

namespace {

int scaled_nearest(int value, int multiplier, int divisor) {
  std::int64_t product = static_cast<std::int64_t>(value) * multiplier;
  std::int64_t half = divisor / 2;
  return static_cast<int>(product >= 0 ? (product + half) / divisor
                                       : -((-product + half) / divisor));
}

int scaled_up(int value, int multiplier, int divisor) {
  std::int64_t product = static_cast<std::int64_t>(value) * multiplier;
  return static_cast<int>(product >= 0 ? (product + divisor - 1) / divisor : product / divisor);
}

}  // namespace

int DpiScale::to_pixels(int units) const { return scaled_nearest(units, dpi_, kUnitDpi); }
int DpiScale::to_units(int pixels) const { return scaled_nearest(pixels, kUnitDpi, dpi_); }

Point DpiScale::to_pixels(Point units) const { return {to_pixels(units.x), to_pixels(units.y)}; }
Point DpiScale::to_units(Point pixels) const { return {to_units(pixels.x), to_units(pixels.y)}; }

Size DpiScale::to_pixels(Size units) const {
  return {to_pixels(units.width), to_pixels(units.height)};
}
Size DpiScale::to_units(Size pixels) const {
  return {to_units(pixels.width), to_units(pixels.height)};
}

Rect DpiScale::to_pixels(Rect units) const {
  int left = to_pixels(units.x);
  int top = to_pixels(units.y);
  return {left, top, to_pixels(units.x + units.width) - left,
          to_pixels(units.y + units.height) - top};
}

Rect DpiScale::to_units(Rect pixels) const {
  int left = to_units(pixels.x);
  int top = to_units(pixels.y);
  return {left, top, to_units(pixels.x + pixels.width) - left,
          to_units(pixels.y + pixels.height) - top};
}

int DpiScale::measured_units(int pixels) const {
  int units = scaled_up(pixels, kUnitDpi, dpi_);  // enough, and at most a unit or two too many
  while (to_pixels(units - 1) >= pixels) --units;
  return units;
}

Size DpiScale::measured_units(Size pixels) const {
  return {measured_units(pixels.width), measured_units(pixels.height)};
}

}  // namespace ambrel
