#include "support/fast_transcoding.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "support/unicode_text.h"
#include "support/utf8_sequence.h"

namespace ambrel {

namespace {

// ASCII without NUL, 16 bytes at a time; returns how many bytes were copied as units.
std::size_t ascii_block_run(const unsigned char* bytes, std::size_t size, char16_t* out) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  while (i + 16 <= size) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    unsigned special = static_cast<unsigned>(_mm_movemask_epi8(block) |
                                             _mm_movemask_epi8(_mm_cmpeq_epi8(block, zero)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(block, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(block, zero));
    if (special != 0) return i + static_cast<std::size_t>(std::countr_zero(special));
    i += 16;
  }
#endif
  while (i < size && bytes[i] - 1u < 0x7Fu) {
    out[i] = bytes[i];
    ++i;
  }
  return i;
}

// One well-formed multi-byte sequence at `b`: its length, or 0 when it is not one.
std::size_t multibyte_sequence(const unsigned char* b, std::size_t size, char16_t* out) {
  unsigned char lead = b[0];
  if (lead >= 0xC2 && lead <= 0xDF) {
    if (size < 2 || !is_utf8_continuation(b[1])) return 0;
    out[0] = static_cast<char16_t>(((lead & 0x1F) << 6) | (b[1] & 0x3F));
    return 2;
  }
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (size < 3 || !is_utf8_continuation(b[1]) || !is_utf8_continuation(b[2])) return 0;
    if ((lead == 0xE0 && b[1] < 0xA0) || (lead == 0xED && b[1] > 0x9F))
      return 0;  // overlong, surrogate
    out[0] = static_cast<char16_t>(((lead & 0x0F) << 12) | ((b[1] & 0x3F) << 6) | (b[2] & 0x3F));
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (size < 4 || !is_utf8_continuation(b[1]) || !is_utf8_continuation(b[2]) ||
        !is_utf8_continuation(b[3]))
      return 0;
    if ((lead == 0xF0 && b[1] < 0x90) || (lead == 0xF4 && b[1] > 0x8F))
      return 0;  // overlong, too big
    char32_t c = (char32_t{lead} & 0x07) << 18 | (char32_t{b[1]} & 0x3F) << 12 |
                 (char32_t{b[2]} & 0x3F) << 6 | (char32_t{b[3]} & 0x3F);
    out[0] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
    out[1] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    return 4;
  }
  return 0;
}

void put_utf8(char*& out, char32_t c) {
  if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
  } else if (c < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (c >> 18));
    *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  *out++ = static_cast<char>(0x80 | (c & 0x3F));
}

// ASCII units, 8 at a time; returns how many were copied as bytes.
std::size_t ascii_unit_run(const char16_t* text, std::size_t size, char* out) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
  const __m128i zero = _mm_setzero_si128();
  while (i + 8 <= size) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(block, high), zero)) != 0xFFFF) break;
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(block, block));
    i += 8;
  }
#endif
  while (i < size && text[i] < 0x80) {
    out[i] = static_cast<char>(text[i]);
    ++i;
  }
  return i;
}

}  // namespace

FastRun utf8_run_to_utf16(const unsigned char* bytes, std::size_t size, char16_t* out) {
  std::size_t i = 0;
  std::size_t o = 0;
  for (;;) {
    std::size_t run = ascii_block_run(bytes + i, size - i, out + o);
    i += run;
    o += run;
    if (i == size || bytes[i] < 0x80) return {i, o};  // the end, or a NUL
    std::size_t length = multibyte_sequence(bytes + i, size - i, out + o);
    if (length == 0) return {i, o};
    i += length;
    o += length == 4 ? 2 : 1;
  }
}

std::size_t append_utf8_run(const unsigned char* bytes, std::size_t size, std::u16string& out) {
  constexpr std::size_t kChunk = 4096;
  char16_t units[kChunk];
  std::size_t taken = 0;
  while (taken < size) {
    std::size_t chunk = std::min(kChunk, size - taken);
    FastRun run = utf8_run_to_utf16(bytes + taken, chunk, units);
    out.append(units, run.units);
    taken += run.bytes;
    if (run.bytes < chunk) break;
  }
  return taken;
}

std::size_t utf16_to_utf8_into(const char16_t* text, std::size_t size, char* out) {
  char* start = out;
  std::size_t i = 0;
  while (i < size) {
    std::size_t run = ascii_unit_run(text + i, size - i, out);
    i += run;
    out += run;
    if (i == size) break;
    char16_t unit = text[i++];
    if (is_high_surrogate(unit) && i < size && is_low_surrogate(text[i])) {
      put_utf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{text[i++]} - 0xDC00));
    } else if (is_high_surrogate(unit) || is_low_surrogate(unit)) {
      put_utf8(out, kReplacementCharacter);
    } else {
      put_utf8(out, unit);
    }
  }
  return static_cast<std::size_t>(out - start);
}

}  // namespace ambrel
