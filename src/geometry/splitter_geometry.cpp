#include "geometry/splitter_geometry.h"

#include <cmath>
#include <limits>

namespace ambrel::geometry {
namespace {

int32_t axis_size(const SplitterGeometry& splitter) {
  return splitter_is_vertical(splitter) ? splitter.width : splitter.height;
}

int32_t second_pane_far_edge(const SplitterGeometry& splitter) {
  const Rect& pane = splitter.second_pane;
  return splitter_is_vertical(splitter) ? pane.x + pane.width : pane.y + pane.height;
}

// floor(avail / ratio). The quotient is nudged up by a relative 1e-12 so that
// a ratio taken from a pixel size gives that size back exactly (100 / (100 / 70)
// is 69.99999999999999 in doubles); the nudge is far below the distance of any
// true quotient of pixel sizes from the next integer. A meaningless ratio (the
// splitter smaller than its separator) gives 0 instead of an undefined conversion.
int32_t size_from_ratio(int32_t avail, double ratio) {
  const double quotient = static_cast<double>(avail) / ratio;
  if (!std::isfinite(quotient)) {
    return 0;
  }
  const double floored = std::floor(quotient + std::abs(quotient) * 1e-12);
  constexpr double kLowest = std::numeric_limits<int32_t>::min();
  constexpr double kHighest = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::fmax(kLowest, std::fmin(kHighest, floored)));
}

int32_t wished_second_size(const SplitterGeometry& splitter, int32_t position, bool initial) {
  const int32_t avail = splitter_avail(splitter);
  if (!initial && (splitter.flags & kSplitterFirstFixed) != 0) {
    return avail - splitter_position(splitter);
  }
  if (!initial && (splitter.flags & kSplitterSecondFixed) != 0) {
    return second_pane_far_edge(splitter) - splitter.separator - splitter_position(splitter);
  }
  if (position != 0) {
    return position;
  }
  return size_from_ratio(avail, splitter.ratio);
}

}  // namespace

int32_t splitter_separator_thickness(uint32_t flags) {
  return (flags & kSplitterSeparator) != 0 ? 7 : 4;
}

bool splitter_is_vertical(const SplitterGeometry& splitter) {
  return (splitter.flags & kSplitterVertical) != 0;
}

int32_t splitter_avail(const SplitterGeometry& splitter) {
  return axis_size(splitter) - splitter.separator;
}

int32_t splitter_position(const SplitterGeometry& splitter) {
  return splitter_is_vertical(splitter) ? splitter.first_pane.width : splitter.first_pane.height;
}

SplitterGeometry splitter_create(uint32_t flags, int32_t width, int32_t height) {
  SplitterGeometry splitter;
  splitter.flags = flags;
  splitter.separator = splitter_separator_thickness(flags);
  splitter.width = width;
  splitter.height = height;
  splitter_arrange(splitter, 0, true);
  return splitter;
}

void splitter_arrange(SplitterGeometry& splitter, int32_t position, bool initial) {
  const int32_t avail = splitter_avail(splitter);
  int32_t second = wished_second_size(splitter, position, initial);
  if (second < splitter.second_min) {
    second = splitter.second_min;
  }
  int32_t first = avail - second;
  if (first < splitter.first_min) {
    first = splitter.first_min;
    second = avail - first;
  }
  if (splitter_is_vertical(splitter)) {
    splitter.first_pane = {0, 0, first, splitter.height};
    splitter.second_pane = {first + splitter.separator, 0, second, splitter.height};
  } else {
    splitter.first_pane = {0, 0, splitter.width, first};
    splitter.second_pane = {0, first + splitter.separator, splitter.width, second};
  }
}

bool splitter_resize(SplitterGeometry& splitter, int32_t width, int32_t height) {
  splitter.width = width;
  splitter.height = height;
  if (width == 0 && height == 0) {
    return false;
  }
  splitter_arrange(splitter, 0, false);
  return true;
}

void splitter_set_state(SplitterGeometry& splitter, int32_t position) {
  const int32_t avail = splitter_avail(splitter);
  if (position >= avail) {
    position = avail - 1;
  }
  splitter.ratio = static_cast<double>(avail) / static_cast<double>(avail - position);
  splitter_arrange(splitter, avail - position, true);
}

std::optional<int32_t> splitter_hit_test(const SplitterGeometry& splitter, int32_t x, int32_t y) {
  const int32_t along = splitter_is_vertical(splitter) ? x : y;
  const int32_t offset = along - splitter_position(splitter);
  if (-splitter.separator < offset && offset < splitter.separator) {
    return offset;
  }
  return std::nullopt;
}

bool splitter_press(SplitterGeometry& splitter, int32_t x, int32_t y) {
  const std::optional<int32_t> offset = splitter_hit_test(splitter, x, y);
  if (!offset) {
    return false;
  }
  splitter.grab_offset = *offset;
  splitter.captured = true;
  return true;
}

void splitter_release(SplitterGeometry& splitter) { splitter.captured = false; }

bool splitter_drag(SplitterGeometry& splitter, int32_t x, int32_t y) {
  if (!splitter.captured) {
    return false;
  }
  const int32_t avail = splitter_avail(splitter);
  int32_t along = splitter_is_vertical(splitter) ? x : y;
  if (along > splitter.grab_offset + avail) {
    along = splitter.grab_offset + avail;
  }
  if (along < splitter.grab_offset) {
    along = splitter.grab_offset;
  }
  const int32_t second = avail - (along - splitter.grab_offset);
  splitter.ratio = static_cast<double>(avail) / static_cast<double>(second);
  splitter_arrange(splitter, 0, true);
  return true;
}

std::optional<Rect> splitter_grip_rect(const SplitterGeometry& splitter) {
  if ((splitter.flags & kSplitterSeparator) == 0) {
    return std::nullopt;
  }
  const int32_t grip_start = splitter_position(splitter) + 2;
  if (splitter_is_vertical(splitter)) {
    return Rect{grip_start, 0, 3, splitter.first_pane.height};
  }
  return Rect{0, grip_start, splitter.first_pane.width, 3};
}

}  // namespace ambrel::geometry
