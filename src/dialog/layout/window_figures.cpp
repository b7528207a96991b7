#include "dialog/layout/window_figures.h"

#include <algorithm>

namespace ambrel::layout {
namespace {

struct AxisLimits {
  int32_t request;
  int32_t minimum;
  int32_t maximum;
};

// One axis: a minimum raises the request; AUTO takes the request as it stands.
AxisLimits limits_on_axis(int32_t request, int16_t minimum, int16_t maximum) {
  AxisLimits axis{request, kKeepValue, kKeepValue};
  if (minimum == kBoundAuto) {
    axis.minimum = axis.request;
  } else if (minimum != kBoundNotGiven) {
    axis.minimum = minimum;
    axis.request = std::max(axis.request, int32_t{minimum});
  }
  if (maximum == kBoundAuto) {
    axis.maximum = axis.request;
  } else if (maximum != kBoundNotGiven) {
    axis.maximum = maximum;
  }
  return axis;
}

bool no_bound_given(const WindowBounds& bounds) {
  return bounds.min_width == kBoundNotGiven && bounds.min_height == kBoundNotGiven &&
         bounds.max_width == kBoundNotGiven && bounds.max_height == kBoundNotGiven;
}

}  // namespace

int16_t window_bound_from_number(int32_t value) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFFu));
}

WindowRequest window_natural_size(const SingleChildSettings& settings, const WindowBounds& bounds,
                                  Size child_request, Size wish) {
  WindowRequest result{singlebox_natural_size(settings, child_request, wish), std::nullopt};
  if (no_bound_given(bounds)) {
    return result;
  }
  const AxisLimits across =
      limits_on_axis(result.request.width, bounds.min_width, bounds.max_width);
  const AxisLimits down =
      limits_on_axis(result.request.height, bounds.min_height, bounds.max_height);
  result.request = {across.request, down.request};
  result.limits = WindowLimits{across.minimum, down.minimum, across.maximum, down.maximum};
  return result;
}

Size window_open_size(Size passed, Size request) {
  return {std::max(passed.width, request.width), std::max(passed.height, request.height)};
}

Rect window_child_rect(const SingleChildSettings& settings, Size child_request, Size inner) {
  const Rect placed =
      place_single_child(settings, child_request, {0, 0, inner.width, inner.height});
  const Margins& m = settings.margins;
  return {placed.x, placed.y, std::max(inner.width - m.left - m.right, placed.width),
          std::max(inner.height - m.top - m.bottom, placed.height)};
}

}  // namespace ambrel::layout
