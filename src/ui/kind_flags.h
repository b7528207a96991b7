#pragma once

// The style flags of every kind (kWindowScreenCentered ...), one per flag row of kinds.def
// (where a definition writes them as "#KV_..." in FLAGS).

#include "kinds/kind_row.h"
#include "geometry/splitter_geometry.h"

namespace ambrel {

#define AMBREL_FLAG(Kind, constant, ...) \
  inline constexpr int constant = static_cast<int>(FlagRow{__VA_ARGS__}.value);
#include "kinds/kinds.def"

}  // namespace ambrel
