#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// Rewrites each \u escape of an unpaired surrogate in a JSON text read in pieces to \uFFFD,
// so that it reads as U+FFFD: the reader refuses a lone high surrogate and would pass a lone
// low one on. The text keeps its length, so places in it stay where they were. An escape,
// even a malformed one, is never split between two passed parts: a piece's last units that
// may begin one wait for the next piece.
class EscapeRepair {
 public:
  // `piece`, after the units that waited, without the units that are to wait (unless
  // `last` says no piece follows); valid until the next call.
  std::u16string_view pass(std::u16string_view piece, bool last);

 private:
  std::u16string held_;
  std::u16string joined_;
};

}  // namespace ambrel
