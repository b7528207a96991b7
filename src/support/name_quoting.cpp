#include "support/name_quoting.h"

#include "support/utf8_sequence.h"

namespace ambrel {

namespace {

// The length of the sequence at the start of `bytes` when it prints as itself: printable
// ASCII or a valid UTF-8 character outside the C1 controls (which terminals may act on as
// ESC); 0 for a byte that must be escaped.
std::size_t printable_length(std::string_view bytes) {
  auto first = static_cast<unsigned char>(bytes.front());
  if (first < 0x80) return first >= 0x20 && first < 0x7F ? 1 : 0;
  Utf8Sequence sequence =
      read_utf8_sequence(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  bool c1_control = sequence.code_point >= 0x80 && sequence.code_point < 0xA0;
  return sequence.valid && !c1_control ? sequence.length : 0;
}

bool prints_as_itself(std::string_view name) {
  for (std::size_t at = 0; at < name.size();) {
    std::size_t length = printable_length(name.substr(at));
    if (length == 0) return false;
    at += length;
  }
  return true;
}

// One byte as the shell's $'...' writes it.
std::string escaped_byte(unsigned char byte) {
  switch (byte) {
    case '\a':
      return "\\a";
    case '\b':
      return "\\b";
    case '\t':
      return "\\t";
    case '\n':
      return "\\n";
    case '\v':
      return "\\v";
    case '\f':
      return "\\f";
    case '\r':
      return "\\r";
  }
  return {'\\', static_cast<char>('0' + (byte >> 6)), static_cast<char>('0' + ((byte >> 3) & 7)),
          static_cast<char>('0' + (byte & 7))};
}

// The shell quoting of a name that holds bytes to escape: printable runs in '...', where a
// quote is '\'' as the shell reads it, and escaped bytes in $'...'.
std::string shell_quoted(std::string_view name) {
  std::string quoted;
  bool in_plain = false;    // inside '...'
  bool in_escaped = false;  // inside $'...'
  for (std::size_t at = 0; at < name.size();) {
    std::size_t length = printable_length(name.substr(at));
    if (length == 0) {
      if (in_plain) quoted += '\'';
      if (!in_escaped) quoted += "$'";
      in_plain = false;
      in_escaped = true;
      quoted += escaped_byte(static_cast<unsigned char>(name[at]));
      ++at;
      continue;
    }
    if (in_escaped) quoted += '\'';
    in_escaped = false;
    if (name[at] == '\'') {
      quoted += in_plain ? "'\\'" : "\\'";
      in_plain = false;
    } else {
      if (!in_plain) quoted += '\'';
      in_plain = true;
      quoted.append(name.substr(at, length));
    }
    at += length;
  }
  if (in_plain || in_escaped) quoted += '\'';
  return quoted;
}

}  // namespace

std::string shown_name(std::string_view name) {
  return prints_as_itself(name) ? std::string(name) : shell_quoted(name);
}

std::string quoted_name(std::string_view name) {
  if (!prints_as_itself(name)) return shell_quoted(name);
  // Appended: GCC 12 wrongly warns of overlapping copies for a text put before a temporary.
  std::string quoted(1, '\'');
  quoted.append(name);
  quoted += '\'';
  return quoted;
}

}  // namespace ambrel
