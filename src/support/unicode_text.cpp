#include "support/unicode_text.h"

#include "support/utf8_sequence.h"

namespace ambrel {

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

namespace {

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string utf16_to_utf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t unit = text[i];
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (is_high_surrogate(unit) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
      append_utf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00));
      ++i;
    } else if (is_high_surrogate(unit) || is_low_surrogate(unit)) {
      append_utf8(out, kReplacementCharacter);
    } else {
      append_utf8(out, unit);
    }
  }
  return out;
}

std::u16string utf8_to_utf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t at = 0;
  while (at < bytes.size()) {
    Utf8Sequence sequence = read_utf8_sequence(data + at, bytes.size() - at);
    append_code_point(out, sequence.valid ? sequence.code_point : kReplacementCharacter);
    at += sequence.length;
  }
  return out;
}

}  // namespace ambrel
