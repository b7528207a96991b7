#pragma once

// The one set of plane figures every layer shares: backend calls, dialog layout and the
// splitter's arithmetic. Pixels, signed, never clamped at zero: a container given too
// little room hands its children zero or negative sizes, and callers pass them on.

namespace ambrel {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(Point, Point) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(Size, Size) = default;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(Rect, Rect) = default;
};

}  // namespace ambrel
