#include "support/byte_source.h"

#include <cstring>

#include "support/file_access.h"

namespace ambrel {

std::size_t ByteSource::refill(std::size_t count) {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  while (!at_end_ && end_ < count) {
    std::ptrdiff_t got = read_descriptor(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (got <= 0) {
      at_end_ = true;  // a read error ends the text like the end of the file
    } else {
      end_ += static_cast<std::size_t>(got);
    }
  }
  return end_ - begin_;
}

std::size_t ByteSource::bytes_left_hint() const {
  std::int64_t left = bytes_left_in(fd_);
  return left < 0 ? 0 : static_cast<std::size_t>(left) + (end_ - begin_);
}

}  // namespace ambrel
