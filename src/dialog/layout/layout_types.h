#pragma once

// Plain values shared by every layout calculation of the dialog objects: the
// expand modes of boxes and grids, the limits on figures, and the sizes and
// rectangles every layer shares.

#include <algorithm>
#include <cstdint>

#include "geometry/point_size_rect.h"

namespace ambrel::layout {

using ::ambrel::Rect;
using ::ambrel::Size;

// How a line of children (a box, a grid's columns or rows) shares extra room.
enum class ExpandMode : int32_t { Yes = 1, No = 2, Equal = 3, Item = 4 };

// A recognised EXPAND / COLEXPAND / ROWEXPAND value; item is 0-based.
struct ExpandChoice {
  ExpandMode mode = ExpandMode::Yes;
  int32_t item = 0;

  friend bool operator==(const ExpandChoice&, const ExpandChoice&) = default;
};

// Definitions may ask for any number of pixels and hold any number of children. Pixel
// attributes and every object's request are kept within +-kLayoutLimit, far past any
// screen; sums over children are taken in 64 bits and saturated to the 32-bit range, so
// no layout sum can wrap.
inline constexpr int32_t kLayoutLimit = 1 << 20;

inline int32_t clamp_figure(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, -kLayoutLimit, kLayoutLimit));
}

inline Size clamp_size(Size size) { return {clamp_figure(size.width), clamp_figure(size.height)}; }

inline int32_t saturate_figure(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// One child's size_request result as a container sees it.
struct ChildRequest {
  Size size;
  bool folded = false;
};

}  // namespace ambrel::layout
