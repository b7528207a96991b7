#pragma once

#include <cstdint>

namespace ambrel {

// Names a window or control of a backend. A handle is never reused while the backend
// lives, so a stale handle is simply unknown: queries on it answer neutral values
// (0, empty, false, kNoHandle) and commands on it do nothing.
struct NativeHandle {
  std::uint64_t value = 0;
  explicit operator bool() const { return value != 0; }
  friend bool operator==(NativeHandle, NativeHandle) = default;
};
inline constexpr NativeHandle kNoHandle{};

}  // namespace ambrel
