#pragma once

#include <cstddef>

#include "support/text_format.h"

namespace ambrel {

struct ByteOrderMark {
  TextFormat format;
  std::size_t length;  // bytes of the mark; 0 when there is none (format Ascii)
};

// The mark at the start of `bytes` (up to 4 of them are looked at).
ByteOrderMark match_byte_order_mark(const unsigned char* bytes, std::size_t size);

}  // namespace ambrel
