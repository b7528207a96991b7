#pragma once

// How a definition's gadget is sized and filled, as its row in kinds.def gives it.

#include <cstdint>

namespace ambrel {

// How a leaf gadget's request starts.
enum class Sizing : std::uint8_t {
  Wish,      // from WIDTH and HEIGHT only
  Natural,   // from the gadget's natural size
  TextLine,  // natural, and placed on its text line within the area it is given
};

// What the gadget gets after its creation call.
enum class InitialContent : std::uint8_t {
  None,
  Text,           // TEXT as its content
  State,          // VALUE as its state
  StateThenText,  // VALUE as its state, then TEXT as its content
};

}  // namespace ambrel
