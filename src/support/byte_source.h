#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ambrel {

// Buffered reading from an open file descriptor: one read per 4096 bytes, and a few
// bytes of look-ahead for decoders that need to see a whole sequence before taking it.
class ByteSource {
 public:
  static constexpr std::size_t kBufferSize = 4096;

  explicit ByteSource(int fd) : fd_(fd), buffer_(kBufferSize) {}

  int fd() const { return fd_; }

  // Makes at least `count` (at most kBufferSize) unread bytes available unless the file
  // ends first; returns how many are available.
  std::size_t ensure(std::size_t count) {
    if (end_ - begin_ >= count) return end_ - begin_;
    return refill(count);
  }
  const unsigned char* data() const { return buffer_.data() + begin_; }
  void consume(std::size_t count) { begin_ += count; }

  // Bytes still to come from here to the end of a regular file; 0 when unknown (a pipe).
  std::size_t bytes_left_hint() const;

 private:
  std::size_t refill(std::size_t count);

  int fd_;
  std::vector<unsigned char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool at_end_ = false;
};

}  // namespace ambrel
