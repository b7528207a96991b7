#include "dialog/layout/box.h"

#include <algorithm>

#include "dialog/layout/attribute_words.h"

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

// A child's share of too little room, in proportion to its request. The
// product is taken in 64 bits; the quotient never exceeds the request.
int32_t proportional_share(int32_t request, int32_t avail, int32_t requested_main) {
  return static_cast<int32_t>(int64_t{request} * avail / requested_main);
}

// Main-axis size of every placed child, and the offset of the whole line.
struct LineSizes {
  std::vector<int32_t> sizes;
  int32_t shift = 0;
};

LineSizes share_line(const BoxSettings& settings, const BoxMeasure& measure, int32_t avail,
                     int32_t placed) {
  const std::size_t count = measure.child_requests.size();
  LineSizes line{std::vector<int32_t>(count, 0), 0};
  if (settings.expand == ExpandMode::Equal) {
    std::fill(line.sizes.begin(), line.sizes.end(),
              saturate_figure((avail - int64_t{placed - 1} * settings.spacing) / placed));
    return line;
  }
  if (avail > 0 && avail < measure.requested_main) {
    for (std::size_t i = 0; i < count; ++i) {
      line.sizes[i] = proportional_share(measure.child_requests[i], avail, measure.requested_main);
    }
    return line;
  }
  const int32_t extra = avail - measure.requested_main;
  for (std::size_t i = 0; i < count; ++i) {
    line.sizes[i] = measure.child_requests[i];
    if (settings.expand == ExpandMode::Yes) {
      line.sizes[i] += extra / placed;
    } else if (settings.expand == ExpandMode::Item &&
               static_cast<int64_t>(i) == settings.expand_item) {
      line.sizes[i] += extra;
    }
  }
  if (settings.expand == ExpandMode::No) {
    if (settings.align == LineAlign::Center) {
      line.shift = extra / 2;
    } else if (settings.align == LineAlign::End) {
      line.shift = extra;
    }
  }
  return line;
}

}  // namespace

std::optional<LineAlign> parse_line_align(std::u16string_view text) {
  if (equals_ignoring_case(text, "CENTER")) {
    return LineAlign::Center;
  }
  if (equals_ignoring_case(text, "BOTTOM") || equals_ignoring_case(text, "RIGHT")) {
    return LineAlign::End;
  }
  return std::nullopt;
}

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
  const LineSizes line =
      share_line(settings, measure, horizontal ? area.width : area.height, placed);
  int64_t position = int64_t{horizontal ? area.x : area.y} + line.shift;
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
