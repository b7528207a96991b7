#pragma once

#include <cstdint>

namespace ambrel {

// A position, size or size-limit argument with this value keeps what is there.
inline constexpr int32_t kKeepValue = -65535;

}  // namespace ambrel
