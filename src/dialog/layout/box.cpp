#include "dialog/layout/box.h"

#include <algorithm>

#include "dialog/layout/line_sharing.h"

namespace ambrel::layout {
namespace {

bool is_horizontal(const BoxSettings& settings) {
  return settings.direction == BoxDirection::Horizontal;
}

int32_t main_of(const BoxSettings& settings, Size size) {
  return is_horizontal(settings) ? size.width : size.height;
}

int32_t cross_of(const BoxSettings& settings, Size size) {
  return is_horizontal(settings) ? size.height : size.width;
}

// How far the whole line moves when the box does not stretch its children and room is
// left over.
int32_t line_shift(const BoxSettings& settings, int32_t extra) {
  if (settings.expand != ExpandMode::No) {
    return 0;
  }
  switch (settings.align) {
    case LineAlign::Start:
      return 0;
    case LineAlign::Center:
      return extra / 2;
    case LineAlign::End:
      return extra;
  }
  return 0;
}

}  // namespace

Size box_natural_size(const BoxSettings& settings, std::span<const ChildRequest> children,
                      Size wish, BoxMeasure& measure) {
  int64_t main = 0;
  int32_t cross = 0;
  int32_t largest = 0;
  measure.child_requests.assign(children.size(), 0);
  measure.folded.assign(children.size(), false);
  measure.folded_count = 0;
  for (std::size_t i = 0; i < children.size(); ++i) {
    const int32_t child_main = main_of(settings, children[i].size);
    main += child_main;
    cross = std::max(cross, cross_of(settings, children[i].size));
    largest = std::max(largest, child_main);
    measure.child_requests[i] = child_main;
    measure.folded[i] = children[i].folded;
    if (children[i].folded) {
      ++measure.folded_count;
    }
  }
  const int32_t placed = static_cast<int32_t>(children.size()) - measure.folded_count;
  if (settings.expand == ExpandMode::Equal) {
    main = int64_t{placed} * largest;
  }
  if (placed > 0) {
    main += int64_t{settings.spacing} * (placed - 1);
  }
  if (!children.empty()) {
    measure.requested_main = saturate_figure(main);
  }
  const int32_t main_size = saturate_figure(main);
  const Size line = is_horizontal(settings) ? Size{main_size, cross} : Size{cross, main_size};
  return {std::max(line.width, wish.width), std::max(line.height, wish.height)};
}

std::vector<std::optional<Rect>> box_allocate(const BoxSettings& settings,
                                              const BoxMeasure& measure, Rect area) {
  const std::size_t count = measure.child_requests.size();
  std::vector<std::optional<Rect>> placed_rects(count);
  const int32_t placed = static_cast<int32_t>(count) - measure.folded_count;
  if (placed <= 0) {
    return placed_rects;
  }
  const bool horizontal = is_horizontal(settings);
  const LineRequest request{measure.child_requests,
                            measure.requested_main,
                            placed,
                            settings.spacing,
                            {settings.expand, settings.expand_item}};
  const SharedLine line = share_line(request, horizontal ? area.width : area.height);
  int64_t position = int64_t{horizontal ? area.x : area.y} + line_shift(settings, line.extra);
  for (std::size_t i = 0; i < count; ++i) {
    if (measure.folded[i]) {
      continue;
    }
    const int32_t size = line.sizes[i];
    placed_rects[i] = horizontal ? Rect{saturate_figure(position), area.y, size, area.height}
                                 : Rect{area.x, saturate_figure(position), area.width, size};
    position += int64_t{size} + settings.spacing;
  }
  return placed_rects;
}

}  // namespace ambrel::layout
