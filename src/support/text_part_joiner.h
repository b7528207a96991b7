#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// Passes on a text that comes in parts of any size so that no part ends between a CR and its
// LF or inside a surrogate pair, which readers of parts would take as two line ends or two
// broken characters: a last unit that may join the next part's first waits for it.
class TextPartJoiner {
 public:
  // `part`, after the unit that waited from the part before and without a last unit that is
  // to wait (unless `last` says no part follows); valid until the next call.
  std::u16string_view pass(std::u16string_view part, bool last);

 private:
  char16_t held_ = 0;  // 0: none
  std::u16string joined_;
};

}  // namespace ambrel
