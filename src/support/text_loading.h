#pragma once

// A file's text read as UTF-16: a piece at a time, or whole.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/platform_file.h"
#include "support/text_decoding.h"

namespace ambrel {

// Reads a file's text as UTF-16 a piece at a time, so that what is held does not grow
// with the file (see MarkedTextDecoder for the rules). Pipes and devices are read to their
// end; the text also ends at its first NUL character, and nothing after it is read.
class Utf16PieceReader {
 public:
  static constexpr std::size_t kPieceBytes = 64 * 1024;

  explicit Utf16PieceReader(PlatformFile file, std::size_t piece_bytes = kPieceBytes)
      : file_(std::move(file)), buffer_(piece_bytes) {}

  // Replaces `piece` with the text of the next piece of bytes (possibly empty); false, with
  // `piece` empty, once the text has ended, normally or by an error().
  bool next(std::u16string& piece);

  // The errno value of a read that failed; 0 while none did.
  int error() const { return error_; }

  // Whether any byte was read: what tells an empty file, as some files (those under /proc
  // and /sys) report a size of 0 whatever they hold.
  bool read_a_byte() const { return read_a_byte_; }
  // Whether the text has ended: no piece follows.
  bool ended() const { return done_; }
  // How many bytes were read so far.
  std::uint64_t bytes_read() const { return bytes_read_; }

 private:
  PlatformFile file_;
  std::vector<unsigned char> buffer_;
  MarkedTextDecoder decoder_;
  bool done_ = false;
  bool read_a_byte_ = false;
  std::uint64_t bytes_read_ = 0;
  int error_ = 0;
};

// A whole text loaded from a file, or why there is none.
struct LoadedText {
  int error = 0;            // an errno value: the open or a read failed; ENOMEM: memory ran out
  bool empty_file = false;  // a file on disk that gave no byte, which has nothing to load
  std::u16string text;
};

// Loads a file the way the load command does: a directory is the error EISDIR; anything
// else (pipes and devices too) is read to its end or its first NUL and decoded by its
// byte-order mark, and a file on disk that gives no byte is empty_file. Neither memory nor
// emptiness goes by the size the file claims: files under /proc and /sys claim 0 bytes.
LoadedText load_text_file(const NativePath& path);

// The same for a file already open (standard input, for one).
LoadedText load_text(PlatformFile file);

}  // namespace ambrel
