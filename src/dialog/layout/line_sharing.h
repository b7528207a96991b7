#pragma once

// The one distribution of room among a line of children: the children of a box along its
// main axis, and the columns or rows of a grid.

#include <cstdint>
#include <span>
#include <vector>

#include "dialog/layout/layout_types.h"

namespace ambrel::layout {

// What a line of requests asks for and how it may share room.
struct LineRequest {
  std::span<const int32_t> requests;  // every entry's request along the line
  int32_t requested_total = 0;        // the requests of the placed entries and their gaps
  int32_t placed = 0;                 // entries that take room (more than zero)
  int32_t spacing = 0;
  ExpandChoice expand;
};

struct SharedLine {
  std::vector<int32_t> sizes;  // one per request
  // Room past the requests that the expand mode gave out; 0 when the line was shrunk to
  // fit or made equal. With ExpandMode::No it is room nobody took.
  int32_t extra = 0;
};

// Shares `avail` pixels: equal parts in Equal mode; less room than requested shrinks
// every entry in proportion to its request; more room grows every entry alike (Yes), the
// chosen entry (Item; an index outside the line grows none), or none (No). Entries that
// take no room still get a size, which the caller does not use.
SharedLine share_line(const LineRequest& line, int32_t avail);

}  // namespace ambrel::layout
