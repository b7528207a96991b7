#pragma once

// Which event attributes a kind accepts, as its row in kinds.def gives them.

#include <cstdint>
#include <optional>

namespace ambrel {

// The bits of a kind's event mask: each says that the kind accepts one event attribute.
enum EventMaskBit : std::uint32_t {
  kAcceptsRightClick = 0x01,
  kAcceptsLeftClick = 0x02,
  kAcceptsRightDoubleClick = 0x04,
  kAcceptsLeftDoubleClick = 0x08,
  kAcceptsChange = 0x10,
  kAcceptsFocus = 0x20,
  kAcceptsLostFocus = 0x40,
  kAcceptsDragStart = 0x80,
};

// A kind's event mask; kinds without one ignore every event attribute.
using EventMask = std::optional<std::uint32_t>;
inline constexpr EventMask kIgnoresEvents = std::nullopt;
// Accepts ONEVENT only.
inline constexpr EventMask kOnEventOnly = 0u;
// The masks kinds.def gives its kinds.
inline constexpr EventMask kClickEvents = kAcceptsLeftClick | kAcceptsRightClick |
                                          kAcceptsLeftDoubleClick | kAcceptsRightDoubleClick |
                                          kAcceptsDragStart;
inline constexpr EventMask kItemEvents = *kClickEvents | kAcceptsChange;
inline constexpr EventMask kLeftClickEvents = kAcceptsLeftClick | kAcceptsLeftDoubleClick;
inline constexpr EventMask kFieldEvents = kAcceptsChange | kAcceptsFocus | kAcceptsLostFocus;
inline constexpr EventMask kChangeEvents = kAcceptsChange;

}  // namespace ambrel
