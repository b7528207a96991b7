#pragma once

// Measurement: texts in a control's own font, and the desktop's fixed figures.

#include <string_view>

#include "backend/native_handle.h"
#include "geometry/point_size_rect.h"

namespace ambrel {

struct SystemMetrics {
  int edge_width = 0;  // thickness of a 3D edge
  int edge_height = 0;
  int border_width = 0;  // thickness of a thin border
  int border_height = 0;
  int vertical_scroll_width = 0;
  int horizontal_scroll_height = 0;
};

class BackendTextMetrics {
 public:
  virtual ~BackendTextMetrics() = default;

  virtual Size text_extent(NativeHandle control, std::u16string_view text) const = 0;
  // The block of a text whose line breaks start new lines: longest line by all lines.
  virtual Size text_block(NativeHandle control, std::u16string_view text) const = 0;
  virtual SystemMetrics system_metrics() const = 0;
};

}  // namespace ambrel
