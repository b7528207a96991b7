#include "support/unicode_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "support/fast_transcoding.h"
#include "support/utf8_sequence.h"

namespace ambrel {

// Four units at a time, flagging a lane whose top five bits are 11011; the common case
// (no surrogate at all) then costs little beside the parse.
bool contains_surrogate(std::u16string_view text) {
  constexpr std::uint64_t kTopBits = 0xF800F800F800F800ull;
  constexpr std::uint64_t kSurrogate = 0xD800D800D800D800ull;
  constexpr std::uint64_t kLow = 0x0001000100010001ull;
  constexpr std::uint64_t kHigh = 0x8000800080008000ull;
  std::size_t i = 0;
  std::uint64_t found = 0;
  for (; i + 4 <= text.size(); i += 4) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    std::uint64_t zero_if_surrogate = (word & kTopBits) ^ kSurrogate;
    found |= (zero_if_surrogate - kLow) & ~zero_if_surrogate & kHigh;
  }
  for (; i < text.size(); ++i) found |= (text[i] & 0xF800u) == 0xD800u ? 1u : 0u;
  return found != 0;
}

bool is_valid_utf16(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t unit = text[i];
    if (is_high_surrogate(unit)) {
      if (i + 1 == text.size() || !is_low_surrogate(text[i + 1])) return false;
      ++i;
    } else if (is_low_surrogate(unit)) {
      return false;
    }
  }
  return true;
}

std::u16string replace_lone_surrogates(std::u16string_view text) {
  std::u16string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (is_high_surrogate(out[i]) && i + 1 < out.size() && is_low_surrogate(out[i + 1])) {
      ++i;
    } else if (is_high_surrogate(out[i]) || is_low_surrogate(out[i])) {
      out[i] = kReplacementCharacter;
    }
  }
  return out;
}

void append_code_point(std::u16string& out, char32_t code_point) {
  if (code_point < 0x10000) {
    out += static_cast<char16_t>(code_point);
    return;
  }
  code_point -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (code_point >> 10));
  out += static_cast<char16_t>(0xDC00 + (code_point & 0x3FF));
}

std::string utf16_to_utf8(std::u16string_view text) {
  // A slice at a time, so a large text costs what its UTF-8 needs, not three times its length.
  constexpr std::size_t kSlice = 4096;
  char bytes[3 * kSlice];
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    std::size_t take = std::min(kSlice, text.size());
    if (take < text.size() && is_high_surrogate(text[take - 1])) --take;  // keep pairs whole
    out.append(bytes, utf16_to_utf8_into(text.data(), take, bytes));
    text.remove_prefix(take);
  }
  return out;
}

std::u16string utf8_to_utf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  append_utf8_as_utf16(bytes, out);
  return out;
}

// Runs of well-formed text at memory speed, the rest a sequence at a time.
void append_utf8_as_utf16(std::string_view bytes, std::u16string& out) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t at = 0;
  while (at < bytes.size()) {
    at += append_utf8_run(data + at, bytes.size() - at, out);
    if (at == bytes.size()) break;
    Utf8Sequence sequence = read_utf8_sequence(data + at, bytes.size() - at);
    append_code_point(out, sequence.valid ? sequence.code_point : kReplacementCharacter);
    at += sequence.length;
  }
}

}  // namespace ambrel
