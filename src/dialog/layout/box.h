#pragma once

// Arithmetic of the hbox and vbox objects: their natural_size combines the
// children's requests along one line, their allocate shares the line out.
// Children are addressed by their index in the box (creation order).

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "dialog/layout/layout_types.h"

namespace ambrel::layout {

enum class BoxDirection { Horizontal, Vertical };

// Where a packed line sits when the box does not stretch its children.
enum class LineAlign : int32_t { Start = 1, Center = 2, End = 3 };

struct BoxSettings {
  BoxDirection direction = BoxDirection::Vertical;
  int32_t spacing = 5;
  ExpandMode expand = ExpandMode::Yes;
  int32_t expand_item = 0;
  LineAlign align = LineAlign::Start;
};

// What a box keeps from its request pass for every later allocation.
struct BoxMeasure {
  std::vector<int32_t> child_requests;  // main-axis request of each child
  std::vector<bool> folded;
  int32_t requested_main = 0;  // children and gaps, before the box's own WIDTH/HEIGHT
  int32_t folded_count = 0;
};

// The box's natural_size from its children's requests; refreshes measure.
Size box_natural_size(const BoxSettings& settings, std::span<const ChildRequest> children,
                      Size wish, BoxMeasure& measure);

// The rectangle of each child for allocate(area); folded children get none.
std::vector<std::optional<Rect>> box_allocate(const BoxSettings& settings,
                                              const BoxMeasure& measure, Rect area);

}  // namespace ambrel::layout
