#pragma once

// Decoders of bytes that come in pieces (a file being read, a clipboard's transfer) into
// UTF-16: any split of the bytes gives the same text.

#include <cstddef>
#include <string>
#include <string_view>

#include "support/text_format.h"

namespace ambrel {

// Turns a file's bytes into UTF-16 a piece at a time, by the rules of one format. The
// text ends at the first NUL character (which is not part of it); in one-line mode also
// after the first LF (which, like a CR just before it, is not part of it either).
// A sequence cut by the end of a piece is held back and finished with the next piece,
// so any split of the bytes into pieces gives the same text.
//
// Per format:
// - Utf16, Utf16BigEndian: 16-bit units copied as they are; an odd trailing byte is dropped.
// - Utf32, Utf32BigEndian: 32-bit units; a value that is no character gives U+FFFD; a cut
//   trailing unit is dropped.
// - Utf8: a byte that can start no sequence gives "?", another ill-formed sequence gives
//   U+FFFD for its longest well-begun part; a sequence cut short by the end is dropped.
// - Ascii (single-byte text): UTF-8 where the bytes form valid UTF-8, every other byte its
//   Windows-1252 character (the five bytes that code page leaves open stand for U+0081 etc.).
class TextDecoder {
 public:
  explicit TextDecoder(TextFormat format, bool one_line = false)
      : format_(format), one_line_(one_line) {}

  // Appends the text of `bytes` to `out` and returns how many bytes belong to the text:
  // all of them, unless the text ended inside the piece (see ended()).
  std::size_t decode(const unsigned char* bytes, std::size_t size, std::u16string& out);

  // The bytes have ended: settles what was held back from the last piece.
  void finish(std::u16string& out);

  bool ended() const { return ended_; }

 private:
  enum class Outcome { Taken, NeedMore, End };
  struct Step {
    Outcome outcome;
    std::size_t length;
  };

  Step step(const unsigned char* bytes, std::size_t size, bool at_end, std::u16string& out) const;
  Step take(char32_t character, std::size_t length, std::u16string& out) const;
  std::size_t decode_held(const unsigned char* bytes, std::size_t size, std::u16string& out);

  TextFormat format_;
  bool one_line_;
  bool ended_ = false;
  unsigned char held_[4] = {};
  std::size_t held_size_ = 0;
};

// Decodes a whole input a piece at a time the way files are loaded: a byte-order mark at
// its start chooses the format and is not part of the text; without one the input is
// single-byte text. The mark, too, may be cut by the end of a piece.
class MarkedTextDecoder {
 public:
  // Appends the text of `bytes` to `out`; returns how many bytes belong to the text (all
  // of them unless the text ended inside the piece).
  std::size_t decode(const unsigned char* bytes, std::size_t size, std::u16string& out);

  // The input has ended: settles what was held back.
  void finish(std::u16string& out);

  bool ended() const { return decoder_.ended(); }

 private:
  static constexpr std::size_t kLongestMark = 4;

  void start(std::u16string& out);

  unsigned char head_[kLongestMark] = {};
  std::size_t head_size_ = 0;
  bool started_ = false;
  TextDecoder decoder_{TextFormat::Ascii};
};

// Turns UTF-8 that comes in pieces (a clipboard's transfer) into UTF-16, as utf8_to_utf16 turns
// the whole: a sequence cut by the end of a piece is finished with the next one.
class Utf8StreamDecoder {
 public:
  // Appends the text of `bytes` to `out`, holding back a sequence the piece's end cuts short.
  void decode(std::string_view bytes, std::u16string& out);
  // The bytes have ended: what was held back becomes U+FFFD.
  void finish(std::u16string& out);

 private:
  std::string held_;
};

}  // namespace ambrel
