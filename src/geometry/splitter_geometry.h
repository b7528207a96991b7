#pragma once

// The splitter control's arithmetic: where its two panes go, how the bar
// follows the mouse and how the panes share a change of size. The splitter
// control of the gadget layer (Qt and headless) keeps one SplitterGeometry per
// splitter gadget, feeds it sizes and mouse input, and moves its pane windows
// to first_pane / second_pane afterwards.
//
// Coordinates are the splitter's inner coordinates. "Axis" means x and widths
// for a vertical splitter (panes side by side), y and heights otherwise.

#include <cstdint>
#include <optional>

#include "geometry/point_size_rect.h"

namespace ambrel::geometry {

// The splitter's flags.
inline constexpr uint32_t kSplitterVertical = 1;     // panes side by side, first on the left
inline constexpr uint32_t kSplitterSeparator = 2;    // a 7-pixel bar with a raised grip
inline constexpr uint32_t kSplitterFirstFixed = 4;   // resizing keeps the first pane's size
inline constexpr uint32_t kSplitterSecondFixed = 8;  // resizing keeps the second pane's size

struct SplitterGeometry {
  uint32_t flags = 0;
  int32_t separator = 4;
  // Proportional position of the bar: the second pane gets avail / ratio.
  double ratio = 2.0;
  int32_t first_min = 0;
  int32_t second_min = 0;
  int32_t width = 0;
  int32_t height = 0;
  Rect first_pane;
  Rect second_pane;
  // Where inside the bar the current drag started, and whether the splitter
  // holds the mouse capture.
  int32_t grab_offset = 0;
  bool captured = false;
};

// 7 with the separator flag (a bar with a grip), otherwise a plain 4-pixel gap.
int32_t splitter_separator_thickness(uint32_t flags);

bool splitter_is_vertical(const SplitterGeometry& splitter);

// The splitter's size along its axis less the separator.
int32_t splitter_avail(const SplitterGeometry& splitter);

// The first pane's size along the axis: the splitter's state.
int32_t splitter_position(const SplitterGeometry& splitter);

// A new splitter of the given inner size, arranged for the first time.
SplitterGeometry splitter_create(uint32_t flags, int32_t width, int32_t height);

// Lays the panes out. position is the second pane's wished size (0: from the
// ratio); initial ignores the fixed-pane flags.
void splitter_arrange(SplitterGeometry& splitter, int32_t position, bool initial);

// A size change of the splitter. Returns true when the panes were arranged
// (the control then raises its gadget event); a size of 0 x 0 arranges nothing.
bool splitter_resize(SplitterGeometry& splitter, int32_t width, int32_t height);

// Places the bar so that the first pane gets position pixels (at most avail - 1).
void splitter_set_state(SplitterGeometry& splitter, int32_t position);

// The pointer's offset from the bar's start when (x, y) is on the bar.
std::optional<int32_t> splitter_hit_test(const SplitterGeometry& splitter, int32_t x, int32_t y);

// Left button down at (x, y): on the bar it starts a drag and takes the capture.
// Returns whether the capture was taken.
bool splitter_press(SplitterGeometry& splitter, int32_t x, int32_t y);

// Left button up: the drag ends.
void splitter_release(SplitterGeometry& splitter);

// Mouse move to (x, y). While captured, the bar follows the pointer within the
// splitter and the minimums; returns true when the panes were arranged (the
// control then raises its gadget event).
bool splitter_drag(SplitterGeometry& splitter, int32_t x, int32_t y);

// The raised grip drawn in a separator bar: 3 pixels, starting 2 pixels past
// the first pane, along the whole pane. None without the separator flag.
std::optional<Rect> splitter_grip_rect(const SplitterGeometry& splitter);

}  // namespace ambrel::geometry
