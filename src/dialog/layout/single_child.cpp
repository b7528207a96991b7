#include "dialog/layout/single_child.h"

#include <algorithm>

namespace ambrel::layout {
namespace {

struct AxisPlacement {
  int32_t position;
  int32_t size;
};

AxisPlacement place_on_axis(int32_t start, int32_t room, int32_t request, bool expand,
                            int32_t limit, SideAlign align) {
  if (room <= request) {
    return {start, room};
  }
  int32_t size = room;
  if (!expand) {
    size = request;
  } else if (limit > 0 && limit < room) {
    size = std::max(request, limit);
  }
  if (align == SideAlign::Center) {
    return {start + (room - size) / 2, size};
  }
  if (align == SideAlign::End) {
    return {start + room - size, size};
  }
  return {start, size};
}

}  // namespace

Margins uniform_margins(int32_t margin) { return {margin, margin, margin, margin}; }

SingleChildSettings single_child_settings(int32_t margin) {
  SingleChildSettings settings;
  settings.margins = uniform_margins(margin);
  return settings;
}

Rect place_single_child(const SingleChildSettings& settings, Size child_request, Rect area) {
  const Margins& m = settings.margins;
  const AxisPlacement across = place_on_axis(
      area.x + m.left, area.width - m.left - m.right, child_request.width,
      settings.expand.horizontal, settings.expand_width_limit, settings.align.horizontal);
  const AxisPlacement down = place_on_axis(area.y + m.top, area.height - m.top - m.bottom,
                                           child_request.height, settings.expand.vertical,
                                           settings.expand_height_limit, settings.align.vertical);
  return {across.position, down.position, across.size, down.size};
}

Size singlebox_natural_size(const SingleChildSettings& settings, Size child_request, Size wish) {
  const Margins& m = settings.margins;
  return {std::max(wish.width, m.left + m.right + child_request.width),
          std::max(wish.height, m.top + m.bottom + child_request.height)};
}

}  // namespace ambrel::layout
