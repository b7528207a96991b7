#pragma once

// Arithmetic of the window object: its request with the size limits it hands
// to the window (MINWIDTH, MINHEIGHT, MAXWIDTH, MAXHEIGHT), the inner size a
// dialog opens with, and the room its allocate gives its content.

#include <cstdint>
#include <optional>

#include "dialog/layout/layout_types.h"
#include "dialog/layout/single_child.h"
#include "geometry/keep_value.h"

namespace ambrel::layout {

inline constexpr int32_t kWindowMargin = 8;

// A window bound as the window object holds it: 16 bits, with two marks.
inline constexpr int16_t kBoundNotGiven = -2;
inline constexpr int16_t kBoundAuto = -1;

struct WindowBounds {
  int16_t min_width = kBoundNotGiven;
  int16_t min_height = kBoundNotGiven;
  int16_t max_width = kBoundNotGiven;
  int16_t max_height = kBoundNotGiven;
};

// The limits for window_bounds, as inner sizes; kKeepValue where not given.
struct WindowLimits {
  int32_t min_width = kKeepValue;
  int32_t min_height = kKeepValue;
  int32_t max_width = kKeepValue;
  int32_t max_height = kKeepValue;

  friend bool operator==(const WindowLimits&, const WindowLimits&) = default;
};

struct WindowRequest {
  Size request;
  std::optional<WindowLimits> limits;  // none when no bound was given
};

// A numeric bound keeps only its low 16 bits (99999 is held as -31073).
int16_t window_bound_from_number(int32_t value);

// The window object's natural_size and the limits it hands to the window.
WindowRequest window_natural_size(const SingleChildSettings& settings, const WindowBounds& bounds,
                                  Size child_request, Size wish);

// The inner size a dialog opens with: the size passed to the open, raised to the request.
Size window_open_size(Size passed, Size request);

// The content's rectangle for allocate at inner size: never less than the
// inner area less the margins.
Rect window_child_rect(const SingleChildSettings& settings, Size child_request, Size inner);

}  // namespace ambrel::layout
