#pragma once

#include <cstddef>
#include <string>

namespace ambrel {

// The common case of decoding and encoding at memory speed: runs of ASCII (16 bytes at a
// time where the processor has SSE2) and well-formed UTF-8. Everything else is left to the
// callers' careful rules.

struct FastRun {
  std::size_t bytes;  // bytes taken from the input
  std::size_t units;  // UTF-16 units written
};

// Converts the longest leading part of `bytes` made of non-NUL ASCII and whole well-formed
// UTF-8 sequences into `out`, which has room for `size` units (the output never has more
// units than the input has bytes, but whole 16-unit blocks may be written past the end of
// the converted part). Stops at a NUL, an ill-formed sequence or one cut by the end.
FastRun utf8_run_to_utf16(const unsigned char* bytes, std::size_t size, char16_t* out);

// The same run appended to `out` through a small buffer, so that the text grows by what it
// receives; returns the bytes taken.
std::size_t append_utf8_run(const unsigned char* bytes, std::size_t size, std::u16string& out);

// Converts `size` UTF-16 units to UTF-8 into `out`, which has room for 3 * `size` bytes; an
// unpaired surrogate (also a high one at the very end) becomes U+FFFD. Returns the bytes written.
std::size_t utf16_to_utf8_into(const char16_t* text, std::size_t size, char* out);

}  // namespace ambrel
