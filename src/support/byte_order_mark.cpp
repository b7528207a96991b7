#include "support/byte_order_mark.h"

namespace ambrel {

// The first rule that matches wins, so the UTF-32 mark is tried before the UTF-16 one.
ByteOrderMark match_byte_order_mark(const unsigned char* b, std::size_t n) {
  if (n >= 4 && b[0] == 0xFF && b[1] == 0xFE && b[2] == 0 && b[3] == 0)
    return {TextFormat::Utf32, 4};
  if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) return {TextFormat::Utf16, 2};
  if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return {TextFormat::Utf8, 3};
  if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) return {TextFormat::Utf16BigEndian, 2};
  if (n >= 4 && b[0] == 0 && b[1] == 0 && b[2] == 0xFE && b[3] == 0xFF) {
    return {TextFormat::Utf32BigEndian, 4};
  }
  return {TextFormat::Ascii, 0};
}

}  // namespace ambrel
