#include "dialog/layout/container_figures.h"

#include <algorithm>

namespace ambrel::layout {
namespace {

// Frame insets besides the caption: left, right and bottom.
constexpr int32_t kFrameInset = 4;

// Room a scroll area keeps for its scroll bar and border on the scrolled axis.
constexpr int32_t kScrollBarRoom = 22;

int32_t horizontal_margins(const SingleChildSettings& settings) {
  return settings.margins.left + settings.margins.right;
}

int32_t vertical_margins(const SingleChildSettings& settings) {
  return settings.margins.top + settings.margins.bottom;
}

}  // namespace

int32_t frame_caption_height(int32_t text_height) { return std::max(text_height, 10); }

Size frame_natural_size(const SingleChildSettings& settings, Size child_request,
                        int32_t caption_height, Size wish) {
  return {
      std::max(wish.width, horizontal_margins(settings) + child_request.width + 2 * kFrameInset),
      std::max(wish.height,
               vertical_margins(settings) + kFrameInset + child_request.height + caption_height)};
}

Rect frame_child_rect(const SingleChildSettings& settings, Size child_request,
                      int32_t caption_height, Rect area) {
  const Rect inside{area.x + kFrameInset, area.y + caption_height, area.width - 2 * kFrameInset,
                    area.height - caption_height - kFrameInset};
  return place_single_child(settings, child_request, inside);
}

int32_t container_border_allowance(uint32_t flags, int32_t border_thickness) {
  if (flags == 0) {
    return 0;
  }
  return flags == kContainerFlat ? 2 : 2 * border_thickness;
}

Size container_natural_size(const SingleChildSettings& settings, Size child_request,
                            int32_t allowance, Size wish) {
  return {std::max(wish.width, horizontal_margins(settings) + allowance + child_request.width),
          std::max(wish.height, vertical_margins(settings) + allowance + child_request.height)};
}

Rect container_child_rect(const SingleChildSettings& settings, Size child_request,
                          int32_t allowance, Size size) {
  const Rect inside{allowance / 2, allowance / 2, size.width - allowance, size.height - allowance};
  return place_single_child(settings, child_request, inside);
}

Size scroll_area_natural_size(const SingleChildSettings& settings, const ScrollAreaSettings& scroll,
                              Size child_request, Size wish) {
  switch (scroll.scrolling) {
    case Scrolling::VerticalOnly:
      return {
          std::max(wish.width, horizontal_margins(settings) + child_request.width + kScrollBarRoom),
          wish.height};
    case Scrolling::HorizontalOnly:
      return {wish.width, std::max(wish.height, vertical_margins(settings) + child_request.height +
                                                    kScrollBarRoom)};
    case Scrolling::Both:
      break;
  }
  return wish;
}

ScrollAreaPlacement scroll_area_place_child(const SingleChildSettings& settings,
                                            const ScrollAreaSettings& scroll, Size child_request,
                                            Size size) {
  Size content{std::max(horizontal_margins(settings) + child_request.width, scroll.inner_width),
               std::max(vertical_margins(settings) + child_request.height, scroll.inner_height)};
  if (scroll.scrolling == Scrolling::VerticalOnly) {
    content.width = size.width - kScrollBarRoom;
  } else if (scroll.scrolling == Scrolling::HorizontalOnly) {
    content.height = size.height - kScrollBarRoom;
  }
  ScrollAreaPlacement placement;
  placement.child =
      place_single_child(settings, child_request, {0, 0, content.width, content.height});
  if (scroll.inner_width == kInnerSizeAutomatic) {
    placement.inner_width = horizontal_margins(settings) + placement.child.width;
  }
  if (scroll.inner_height == kInnerSizeAutomatic) {
    placement.inner_height = vertical_margins(settings) + placement.child.height;
  }
  return placement;
}

Size panel_natural_size(std::span<const Size> tab_requests, int32_t tab_strip_height, Size wish) {
  Size largest;
  for (const Size& request : tab_requests) {
    largest.width = std::max(largest.width, request.width);
    largest.height = std::max(largest.height, request.height);
  }
  return {std::max(largest.width + 4, wish.width),
          std::max(largest.height + tab_strip_height + 2, wish.height)};
}

}  // namespace ambrel::layout
