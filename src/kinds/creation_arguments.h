#pragma once

// Which element values a kind's creation call takes besides number and FLAGS, as its row in
// kinds.def gives them.

#include <cstdint>

namespace ambrel {

inline constexpr std::uint8_t kTakesText = 0x01;
inline constexpr std::uint8_t kTakesRange = 0x02;  // MIN and MAX
inline constexpr std::uint8_t kTakesPage = 0x04;
inline constexpr std::uint8_t kTakesColor = 0x08;
inline constexpr std::uint8_t kTakesPanes = 0x10;  // the splitter's two pane containers

struct CreationArguments {
  std::uint8_t takes = 0;
  std::int32_t default_maximum = 100;  // MAX when the element has none
};

// The creation arguments kinds.def gives its kinds.
inline constexpr CreationArguments kFlagsOnly{};
inline constexpr CreationArguments kText{kTakesText};
inline constexpr CreationArguments kTextAndColor{kTakesText | kTakesColor};
inline constexpr CreationArguments kRange{kTakesRange};
inline constexpr CreationArguments kRangeToTen{kTakesRange, 10};
inline constexpr CreationArguments kRangeAndPage{kTakesRange | kTakesPage};
inline constexpr CreationArguments kPanes{kTakesPanes};

}  // namespace ambrel
