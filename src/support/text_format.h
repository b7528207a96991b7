#pragma once

#include <cstdint>

namespace ambrel {

// Text encodings of files, by the codes the rest of the system shares.
enum class TextFormat : std::int32_t {
  Ascii = 24,  // single-byte text; also the answer when a file has no byte-order mark
  Utf8 = 2,
  Utf16 = 25,  // little-endian
  Utf16BigEndian = 4,
  Utf32 = 5,  // little-endian
  Utf32BigEndian = 6,
};

}  // namespace ambrel
