#include "support/text_decoding.h"

#include <algorithm>
#include <cstring>

#include "support/byte_order_mark.h"
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

// The length of the part of `bytes` made of whole sequences: all of it, unless it ends inside
// a sequence that more bytes could still finish.
std::size_t whole_sequences(const unsigned char* bytes, std::size_t size) {
  for (std::size_t back = 1; back <= std::min<std::size_t>(3, size); ++back) {
    unsigned char byte = bytes[size - back];
    if (!is_utf8_continuation(byte)) {
      return read_utf8_sequence(bytes + size - back, back).truncated ? size - back : size;
    }
  }
  return size;
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

void MarkedTextDecoder::start(std::u16string& out) {
  ByteOrderMark mark = match_byte_order_mark(head_, head_size_);
  decoder_ = TextDecoder(mark.format);
  started_ = true;
  decoder_.decode(head_ + mark.length, head_size_ - mark.length, out);
}

std::size_t MarkedTextDecoder::decode(const unsigned char* bytes, std::size_t size,
                                      std::u16string& out) {
  std::size_t taken = 0;
  if (!started_) {
    taken = std::min(size, kLongestMark - head_size_);
    std::memcpy(head_ + head_size_, bytes, taken);
    head_size_ += taken;
    if (head_size_ < kLongestMark) return taken;
    start(out);
    if (decoder_.ended()) return taken;  // a NUL inside the first four bytes: none after it counts
  }
  return taken + decoder_.decode(bytes + taken, size - taken, out);
}

void MarkedTextDecoder::finish(std::u16string& out) {
  if (!started_) start(out);
  decoder_.finish(out);
}

void Utf8StreamDecoder::decode(std::string_view bytes, std::u16string& out) {
  std::string joined;
  if (!held_.empty()) {
    joined = std::move(held_);
    joined.append(bytes);
    held_.clear();
    bytes = joined;
  }
  std::size_t whole =
      whole_sequences(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  append_utf8_as_utf16(bytes.substr(0, whole), out);
  held_.assign(bytes.substr(whole));
}

void Utf8StreamDecoder::finish(std::u16string& out) {
  append_utf8_as_utf16(held_, out);
  held_.clear();
}

}  // namespace ambrel
