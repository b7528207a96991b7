#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/marked_text_decoder.h"
#include "support/platform_file.h"

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

}  // namespace ambrel
