#include "support/byte_source.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ambrel {

std::size_t ByteSource::refill(std::size_t count) {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  while (!at_end_ && end_ < count) {
    ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      at_end_ = true;  // a read error ends the text like the end of the file
    } else {
      end_ += static_cast<std::size_t>(got);
    }
  }
  return end_ - begin_;
}

std::size_t ByteSource::bytes_left_hint() const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) return 0;
  off_t position = ::lseek(fd_, 0, SEEK_CUR);
  if (position < 0 || position > info.st_size) return 0;
  return static_cast<std::size_t>(info.st_size - position) + (end_ - begin_);
}

}  // namespace ambrel
