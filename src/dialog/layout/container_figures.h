#pragma once

// The room the gadget-owning containers leave their content: the frame
// (caption on top, thin insets), the container (border allowance), the scroll
// area (inner size and scroll bar room) and the panel (tab strip and borders).
// Each object's natural_size and allocate call these; the single-child
// placement inside that room is place_single_child.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "dialog/layout/layout_types.h"
#include "dialog/layout/single_child.h"

namespace ambrel::layout {

inline constexpr int32_t kFrameMargin = 5;
inline constexpr int32_t kContainerMargin = 10;
inline constexpr int32_t kScrollAreaMargin = 10;
inline constexpr int32_t kTabMargin = 10;

// --- frame -----------------------------------------------------------------

// The caption's height from the height of its text: never below 10, so a frame
// without text still keeps a caption row.
int32_t frame_caption_height(int32_t text_height);

Size frame_natural_size(const SingleChildSettings& settings, Size child_request,
                        int32_t caption_height, Size wish);

// The content's rectangle; a frame is no platform parent, so area and result
// share the frame's own coordinate space.
Rect frame_child_rect(const SingleChildSettings& settings, Size child_request,
                      int32_t caption_height, Rect area);

// --- container ---------------------------------------------------------------

inline constexpr uint32_t kContainerFlat = 1;

// Room taken by the border on each axis: none for a borderless container
// (FLAGS 0), 2 for a flat one, twice the system's border thickness otherwise.
int32_t container_border_allowance(uint32_t flags, int32_t border_thickness);

Size container_natural_size(const SingleChildSettings& settings, Size child_request,
                            int32_t allowance, Size wish);

// The content's rectangle in the container's own coordinates, for a container
// of the given size.
Rect container_child_rect(const SingleChildSettings& settings, Size child_request,
                          int32_t allowance, Size size);

// --- scroll area -------------------------------------------------------------

enum class Scrolling : int32_t { Both = 0, VerticalOnly = 1, HorizontalOnly = 2 };

inline constexpr int32_t kInnerSizeAutomatic = -1;

struct ScrollAreaSettings {
  Scrolling scrolling = Scrolling::Both;
  int32_t inner_width = kInnerSizeAutomatic;
  int32_t inner_height = kInnerSizeAutomatic;
};

Size scroll_area_natural_size(const SingleChildSettings& settings, const ScrollAreaSettings& scroll,
                              Size child_request, Size wish);

struct ScrollAreaPlacement {
  Rect child;
  // The scrollable inner size to give the gadget, on the axes that are automatic.
  std::optional<int32_t> inner_width;
  std::optional<int32_t> inner_height;
};

// The content's rectangle inside a scroll area of the given size (which has a child).
ScrollAreaPlacement scroll_area_place_child(const SingleChildSettings& settings,
                                            const ScrollAreaSettings& scroll, Size child_request,
                                            Size size);

// --- panel -------------------------------------------------------------------

// The largest tab page request plus the panel's borders (4 across, 2 down)
// and its tab strip, raised to WIDTH and HEIGHT.
Size panel_natural_size(std::span<const Size> tab_requests, int32_t tab_strip_height, Size wish);

}  // namespace ambrel::layout
