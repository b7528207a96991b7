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

  // Its operations, in the list of every backend's operations.
#define AMBREL_TEXT_METRICS_OPERATION(Result, name, parameters, qualifier) \
  virtual Result name parameters qualifier = 0;
#include "backend/backend_operations.def"
};

}  // namespace ambrel
