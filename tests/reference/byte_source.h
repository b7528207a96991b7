#pragma once

#include <cstddef>
#include <vector>

#include "support/platform_file.h"

namespace ambrel {

// Buffered reading from an open file: one read per 4096 bytes, and a few bytes of
// look-ahead for decoders that need to see a whole sequence before taking it.
class ByteSource {
 public:
  static constexpr std::size_t kBufferSize = 4096;

  explicit ByteSource(PlatformFile file) : file_(std::move(file)), buffer_(kBufferSize) {}

  // Makes at least `count` (at most kBufferSize) unread bytes available unless the
  // input ends first; returns how many are available.
  std::size_t ensure(std::size_t count) {
    if (end_ - begin_ >= count) return end_ - begin_;
    return refill(count);
  }
  const unsigned char* data() const { return buffer_.data() + begin_; }
  void consume(std::size_t count) { begin_ += count; }

  // The errno value of the read that failed, which ended the input; 0 while none did.
  int error() const { return error_; }

 private:
  std::size_t refill(std::size_t count);

  PlatformFile file_;
  std::vector<unsigned char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool at_end_ = false;
  int error_ = 0;
};

}  // namespace ambrel
