#pragma once

// A rectangle in a parent's pixel coordinates, as the gadget layer's controls
// place their child windows. Sizes may be zero or negative when a control is
// smaller than its fixed parts; they are passed on unchanged.

#include <cstdint>

namespace ambrel::geometry {

struct PixelRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;

  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace ambrel::geometry
