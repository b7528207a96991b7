#pragma once

#include <cstddef>
#include <string>

#include "support/text_decoding.h"

namespace ambrel {

// Decodes a whole input a piece at a time the way files are loaded: a byte-order mark at
// its start chooses the format and is not part of the text; without one the input is
// single-byte text. The mark, too, may be cut by the end of a piece.
class MarkedTextDecoder {
 public:
  // Appends the text of `bytes` to `out`; returns how many bytes belong to the text (all
  // of them unless the text ended inside the piece).
  std::size_t decode(const unsigned char* bytes, std::size_t size, std::u16string& out);

  // The input has ended: settles what was held back.
  void finish(std::u16string& out);

  bool ended() const { return decoder_.ended(); }

 private:
  static constexpr std::size_t kLongestMark = 4;

  void start(std::u16string& out);

  unsigned char head_[kLongestMark] = {};
  std::size_t head_size_ = 0;
  bool started_ = false;
  TextDecoder decoder_{TextFormat::Ascii};
};

}  // namespace ambrel
