#include "support/text_decoding.h"

#include <algorithm>
#include <cstring>

#include "support/fast_transcoding.h"
#include "support/unicode_text.h"
#include "support/utf8_sequence.h"

namespace ambrel {

namespace {

// The longest sequence any format needs whole before it can be decoded.
constexpr std::size_t kLongestSequence = 4;

char32_t windows_1252(unsigned char byte) {
  static constexpr char16_t kHighControls[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

bool can_start_no_sequence(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0xBF) || byte >= 0xF8;
}

char32_t utf32_character(char32_t value) {
  bool character = value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
  return character ? value : kReplacementCharacter;
}

}  // namespace

TextDecoder::Step TextDecoder::take(char32_t character, std::size_t length,
                                    std::u16string& out) const {
  if (character == 0) return {Outcome::End, length};
  if (one_line_ && character == u'\n') {
    if (!out.empty() && out.back() == u'\r') out.pop_back();
    return {Outcome::End, length};
  }
  append_code_point(out, character);
  return {Outcome::Taken, length};
}

TextDecoder::Step TextDecoder::step(const unsigned char* b, std::size_t size, bool at_end,
                                    std::u16string& out) const {
  switch (format_) {
    case TextFormat::Utf16:
    case TextFormat::Utf16BigEndian: {
      if (size < 2) return {Outcome::NeedMore, 0};
      bool little = format_ == TextFormat::Utf16;
      char16_t unit = static_cast<char16_t>(little ? b[0] | (b[1] << 8) : (b[0] << 8) | b[1]);
      if (unit == 0 || (one_line_ && unit == u'\n')) return take(unit, 2, out);
      out += unit;  // units are copied as they are, lone surrogates included
      return {Outcome::Taken, 2};
    }
    case TextFormat::Utf32:
    case TextFormat::Utf32BigEndian: {
      if (size < 4) return {Outcome::NeedMore, 0};
      bool little = format_ == TextFormat::Utf32;
      char32_t value =
          little
              ? char32_t{b[0]} | char32_t{b[1]} << 8 | char32_t{b[2]} << 16 | char32_t{b[3]} << 24
              : char32_t{b[3]} | char32_t{b[2]} << 8 | char32_t{b[1]} << 16 | char32_t{b[0]} << 24;
      return take(utf32_character(value), 4, out);
    }
    case TextFormat::Utf8: {
      if (can_start_no_sequence(b[0])) return take(u'?', 1, out);
      Utf8Sequence sequence = read_utf8_sequence(b, size);
      if (sequence.truncated) return {Outcome::NeedMore, 0};
      return take(sequence.valid ? sequence.code_point : kReplacementCharacter, sequence.length,
                  out);
    }
    case TextFormat::Ascii:
      break;
  }
  // Single-byte text, where UTF-8 sequences are still taken as what they most likely are.
  if (b[0] < 0x80) return take(b[0], 1, out);
  Utf8Sequence sequence = read_utf8_sequence(b, size);
  if (sequence.truncated && !at_end) return {Outcome::NeedMore, 0};
  if (sequence.valid) return take(sequence.code_point, sequence.length, out);
  return take(windows_1252(b[0]), 1, out);
}

// Finishes the sequence held back from the last piece with the first bytes of this one;
// returns how many bytes of this piece that took.
std::size_t TextDecoder::decode_held(const unsigned char* bytes, std::size_t size,
                                     std::u16string& out) {
  unsigned char joined[2 * kLongestSequence];
  std::size_t borrowed = std::min(size, kLongestSequence);
  std::memcpy(joined, held_, held_size_);
  std::memcpy(joined + held_size_, bytes, borrowed);
  std::size_t joined_size = held_size_ + borrowed;
  std::size_t position = 0;
  while (position < held_size_) {
    Step next = step(joined + position, joined_size - position, false, out);
    if (next.outcome == Outcome::NeedMore) {  // the whole piece is still too short
      std::memmove(held_, joined + position, joined_size - position);
      held_size_ = joined_size - position;
      return size;
    }
    position += next.length;
    if (next.outcome == Outcome::End) {
      ended_ = true;
      break;
    }
  }
  std::size_t taken = position > held_size_ ? position - held_size_ : 0;
  held_size_ = 0;
  return taken;
}

std::size_t TextDecoder::decode(const unsigned char* bytes, std::size_t size, std::u16string& out) {
  if (ended_) return 0;
  std::size_t position = held_size_ > 0 ? decode_held(bytes, size, out) : 0;
  // UTF-8 and single-byte text agree on valid UTF-8; lines need the careful rules.
  bool fast = !one_line_ && (format_ == TextFormat::Utf8 || format_ == TextFormat::Ascii);
  while (!ended_ && position < size) {
    if (fast) {
      position += append_utf8_run(bytes + position, size - position, out);
      if (position == size) break;
    }
    Step next = step(bytes + position, size - position, false, out);
    if (next.outcome == Outcome::NeedMore) {
      held_size_ = size - position;
      std::memcpy(held_, bytes + position, held_size_);
      return size;
    }
    position += next.length;
    ended_ = next.outcome == Outcome::End;
  }
  return position;
}

void TextDecoder::finish(std::u16string& out) {
  std::size_t position = 0;
  while (!ended_ && position < held_size_) {
    Step next = step(held_ + position, held_size_ - position, true, out);
    if (next.outcome == Outcome::NeedMore) break;  // a cut unit or sequence is dropped
    position += next.length;
    ended_ = next.outcome == Outcome::End;
  }
  held_size_ = 0;
  ended_ = true;
}

}  // namespace ambrel
