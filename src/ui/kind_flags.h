#pragma once

// The style flags of every kind, k<Kind><Flag>, one per flag row of kinds.def (where a
// definition writes them as "#KV_..." in FLAGS).

#include "ui/geometry/splitter_geometry.h"

namespace ambrel {

#define AMBREL_NAMED_FLAG(Kind, Flag, Group, value) \
  inline constexpr int k##Kind##Flag = static_cast<int>(value);
#include "kinds/kinds.def"

}  // namespace ambrel
