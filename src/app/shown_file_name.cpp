#include "app/shown_file_name.h"

#include <cstdio>

#include "support/unicode_text.h"
#include "support/utf8_sequence.h"

namespace ambrel {

namespace {

bool is_control(char32_t code_point) {
  return code_point < 0x20 || (code_point >= 0x7F && code_point < 0xA0);
}

std::string escaped(const unsigned char* bytes, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    char code[5];
    std::snprintf(code, sizeof code, "\\x%02X", bytes[i]);
    text += code;
  }
  return text;
}

std::string shown_bytes(const std::string& name) {
  std::string text;
  const auto* bytes = reinterpret_cast<const unsigned char*>(name.data());
  std::size_t at = 0;
  while (at < name.size()) {
    Utf8Sequence sequence = read_utf8_sequence(bytes + at, name.size() - at);
    if (sequence.valid && !is_control(sequence.code_point)) {
      text.append(name, at, sequence.length);
    } else {
      text += escaped(bytes + at, sequence.length);
    }
    at += sequence.length;
  }
  return text;
}

}  // namespace

std::string shown_file_name(const NativePath& path) {
#if defined(_WIN32)
  return shown_bytes(utf16_to_utf8({reinterpret_cast<const char16_t*>(path.data()), path.size()}));
#else
  return shown_bytes(path);
#endif
}

}  // namespace ambrel
