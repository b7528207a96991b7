#include "support/marked_text_decoder.h"

#include <algorithm>
#include <cstring>

#include "support/byte_order_mark.h"

namespace ambrel {

void MarkedTextDecoder::start(std::u16string& out) {
  ByteOrderMark mark = match_byte_order_mark(head_, head_size_);
  decoder_ = TextDecoder(mark.format);
  started_ = true;
  decoder_.decode(head_ + mark.length, head_size_ - mark.length, out);
}

std::size_t MarkedTextDecoder::decode(const unsigned char* bytes, std::size_t size,
                                      std::u16string& out) {
  std::size_t taken = 0;
  if (!started_) {
    taken = std::min(size, kLongestMark - head_size_);
    std::memcpy(head_ + head_size_, bytes, taken);
    head_size_ += taken;
    if (head_size_ < kLongestMark) return taken;
    start(out);
    if (decoder_.ended()) return taken;  // a NUL inside the first four bytes: none after it counts
  }
  return taken + decoder_.decode(bytes + taken, size - taken, out);
}

void MarkedTextDecoder::finish(std::u16string& out) {
  if (!started_) start(out);
  decoder_.finish(out);
}

}  // namespace ambrel
