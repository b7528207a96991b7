#pragma once

#include <string>

#include "support/byte_source.h"

namespace ambrel {

// Decoders from a file's bytes to UTF-16. Each stops at the end of the file or at the
// first NUL character; with `one_line` also after the first LF (which, like a CR just
// before it, is not part of the text).

// 16-bit little-endian units, copied as they are; an odd trailing byte is dropped.
std::u16string decode_utf16_le(ByteSource& source, bool one_line);

// UTF-8. A byte that can start no sequence gives "?"; other ill-formed sequences give
// U+FFFD; a sequence cut short by the end of the file is dropped.
std::u16string decode_utf8(ByteSource& source, bool one_line);

// Single-byte text: UTF-8 where the bytes form valid UTF-8, every other byte as its
// Windows-1252 character (the five bytes that code page leaves open stand for U+0081 etc.).
std::u16string decode_single_byte(ByteSource& source, bool one_line);

}  // namespace ambrel
