#pragma once

// What a control holds beyond its text, and the kind-specific contents of panels and
// scroll areas.

#include <string_view>

#include "backend/native_handle.h"
#include "geometry/point_size_rect.h"

namespace ambrel {

class BackendControlValues {
 public:
  virtual ~BackendControlValues() = default;

  // Its operations, in the list of every backend's operations.
#define AMBREL_CONTROL_VALUES_OPERATION(Result, name, parameters, qualifier) \
  virtual Result name parameters qualifier = 0;
#include "backend/backend_operations.def"
};

}  // namespace ambrel
