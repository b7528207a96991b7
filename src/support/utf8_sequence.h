#pragma once

#include <cstddef>

namespace ambrel {

// A byte that continues a sequence rather than starting one (10xxxxxx).
inline bool is_utf8_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }
inline bool is_utf8_continuation(char byte) {
  return is_utf8_continuation(static_cast<unsigned char>(byte));
}

// One step of UTF-8 decoding at the start of `bytes`.
struct Utf8Sequence {
  char32_t code_point;  // when valid
  std::size_t length;   // bytes taken: the whole sequence, or its longest ill-formed start (>= 1)
  bool valid;
  bool truncated;  // ill-formed only because `bytes` ended inside a well-begun sequence
};

// Decodes the sequence at the start of `bytes` (size >= 1). Overlong forms, surrogates and
// values above U+10FFFF are ill-formed; an ill-formed sequence takes its maximal well-begun
// part, so that decoding resumes at the first byte that cannot continue it.
Utf8Sequence read_utf8_sequence(const unsigned char* bytes, std::size_t size);

}  // namespace ambrel
