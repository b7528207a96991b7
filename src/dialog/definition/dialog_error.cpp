#include "dialog/definition/dialog_error.h"

#include <cstdint>

namespace ambrel {
namespace {

constexpr std::size_t kMaxTextBytes = kDialogErrorBufferSize - 1;

// Appends the UTF-8 form of one code point when it fits; returns false when it does not.
bool append_code_point(std::string& out, char32_t c) {
  char bytes[4];
  std::size_t length;
  if (c < 0x80) {
    bytes[0] = static_cast<char>(c);
    length = 1;
  } else if (c < 0x800) {
    bytes[0] = static_cast<char>(0xC0 | (c >> 6));
    bytes[1] = static_cast<char>(0x80 | (c & 0x3F));
    length = 2;
  } else if (c < 0x10000) {
    bytes[0] = static_cast<char>(0xE0 | (c >> 12));
    bytes[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes[2] = static_cast<char>(0x80 | (c & 0x3F));
    length = 3;
  } else {
    bytes[0] = static_cast<char>(0xF0 | (c >> 18));
    bytes[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    bytes[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes[3] = static_cast<char>(0x80 | (c & 0x3F));
    length = 4;
  }
  if (out.size() + length > kMaxTextBytes) return false;
  out.append(bytes, length);
  return true;
}

bool is_high_surrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low_surrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Appends the argument as UTF-8; returns false once the buffer is full.
bool append_utf16(std::string& out, std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (is_high_surrogate(text[i]) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (is_high_surrogate(text[i]) || is_low_surrogate(text[i])) {
      c = 0xFFFD;
    }
    if (!append_code_point(out, c)) return false;
  }
  return true;
}

// Template bytes are copied as they are (the templates are ASCII).
bool append_template_part(std::string& out, std::string_view part) {
  std::size_t room = kMaxTextBytes - out.size();
  if (part.size() > room) {
    out.append(part.substr(0, room));
    return false;
  }
  out.append(part);
  return true;
}

}  // namespace

std::string format_dialog_error(std::string_view message_template,
                                std::initializer_list<std::u16string_view> arguments) {
  std::string out;
  const std::u16string_view* argument = arguments.begin();
  std::size_t position = 0;
  while (position <= message_template.size()) {
    std::size_t marker = message_template.find("%s", position);
    std::string_view part = message_template.substr(position, marker - position);
    if (!append_template_part(out, part) || marker == std::string_view::npos) break;
    if (argument != arguments.end() && !append_utf16(out, *argument++)) break;
    position = marker + 2;
  }
  return out;
}

void DialogError::record(std::string_view message_template,
                         std::initializer_list<std::u16string_view> arguments,
                         DefinitionPlace place) {
  if (has_error_) return;
  text_ = format_dialog_error(message_template, arguments);
  place_ = place;
  has_error_ = true;
}

void DialogError::clear() {
  has_error_ = false;
  text_.clear();
  place_ = {};
}

}  // namespace ambrel
