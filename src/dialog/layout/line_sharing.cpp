#include "dialog/layout/line_sharing.h"

#include <algorithm>

namespace ambrel::layout {
namespace {

// An entry's share of too little room, in proportion to its request. The product is taken
// in 64 bits; the quotient never exceeds the request.
int32_t proportional_share(int32_t request, int32_t avail, int32_t requested_total) {
  return static_cast<int32_t>(int64_t{request} * avail / requested_total);
}

}  // namespace

SharedLine share_line(const LineRequest& line, int32_t avail) {
  SharedLine shared{std::vector<int32_t>(line.requests.begin(), line.requests.end()), 0};
  if (line.expand.mode == ExpandMode::Equal) {
    std::fill(shared.sizes.begin(), shared.sizes.end(),
              saturate_figure((avail - int64_t{line.placed - 1} * line.spacing) / line.placed));
    return shared;
  }
  if (avail > 0 && avail < line.requested_total) {
    for (int32_t& size : shared.sizes) {
      size = proportional_share(size, avail, line.requested_total);
    }
    return shared;
  }
  // In 64 bits: a room below zero less a saturated total does not fit in 32.
  const int64_t extra = int64_t{avail} - line.requested_total;
  shared.extra = saturate_figure(extra);
  const int32_t count = static_cast<int32_t>(shared.sizes.size());
  if (line.expand.mode == ExpandMode::Yes) {
    for (int32_t& size : shared.sizes) {
      size = saturate_figure(size + extra / line.placed);
    }
  } else if (line.expand.mode == ExpandMode::Item && line.expand.item >= 0 &&
             line.expand.item < count) {
    int32_t& size = shared.sizes[static_cast<std::size_t>(line.expand.item)];
    size = saturate_figure(size + extra);
  }
  return shared;
}

}  // namespace ambrel::layout
