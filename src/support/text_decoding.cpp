#include "support/text_decoding.h"

#include "support/unicode_text.h"
#include "support/utf8_sequence.h"

namespace ambrel {

namespace {

constexpr char32_t kEndOfText = 0xFFFFFFFF;

char32_t windows_1252(unsigned char byte) {
  static constexpr char16_t kHighControls[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

char32_t next_utf16_le_unit(ByteSource& source) {
  if (source.ensure(2) < 2) return kEndOfText;
  const unsigned char* bytes = source.data();
  char32_t unit = char32_t{bytes[0]} | (char32_t{bytes[1]} << 8);
  source.consume(2);
  return unit;
}

bool can_start_no_sequence(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0xBF) || byte >= 0xF8;
}

char32_t next_utf8_character(ByteSource& source) {
  std::size_t available = source.ensure(4);
  if (available == 0) return kEndOfText;
  const unsigned char* bytes = source.data();
  if (can_start_no_sequence(bytes[0])) {
    source.consume(1);
    return u'?';
  }
  Utf8Sequence sequence = read_utf8_sequence(bytes, available);
  if (sequence.truncated) return kEndOfText;  // only possible at the end of the file
  source.consume(sequence.length);
  return sequence.valid ? sequence.code_point : kReplacementCharacter;
}

char32_t next_single_byte_character(ByteSource& source) {
  std::size_t available = source.ensure(4);
  if (available == 0) return kEndOfText;
  const unsigned char* bytes = source.data();
  if (bytes[0] >= 0x80) {
    Utf8Sequence sequence = read_utf8_sequence(bytes, available);
    if (sequence.valid) {
      source.consume(sequence.length);
      return sequence.code_point;
    }
  }
  source.consume(1);
  return windows_1252(bytes[0]);
}

template <class NextCharacter>
std::u16string collect(ByteSource& source, bool one_line, std::size_t reserve,
                       NextCharacter next) {
  std::u16string text;
  text.reserve(reserve);
  for (;;) {
    char32_t c = next(source);
    if (c == kEndOfText || c == 0) break;
    if (one_line && c == u'\n') {
      if (!text.empty() && text.back() == u'\r') text.pop_back();
      break;
    }
    append_code_point(text, c);
  }
  return text;
}

}  // namespace

std::u16string decode_utf16_le(ByteSource& source, bool one_line) {
  return collect(source, one_line, one_line ? 0 : source.bytes_left_hint() / 2, next_utf16_le_unit);
}

std::u16string decode_utf8(ByteSource& source, bool one_line) {
  return collect(source, one_line, one_line ? 0 : source.bytes_left_hint(), next_utf8_character);
}

std::u16string decode_single_byte(ByteSource& source, bool one_line) {
  return collect(source, one_line, one_line ? 0 : source.bytes_left_hint(),
                 next_single_byte_character);
}

}  // namespace ambrel
