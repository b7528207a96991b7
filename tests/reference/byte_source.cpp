#include "byte_source.h"

#include <cstring>

namespace ambrel {

std::size_t ByteSource::refill(std::size_t count) {
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  while (!at_end_ && end_ < count) {
    std::ptrdiff_t got = file_.read(buffer_.data() + end_, buffer_.size() - end_);
    if (got <= 0) {
      at_end_ = true;
      if (got < 0) error_ = file_.error();
    } else {
      end_ += static_cast<std::size_t>(got);
    }
  }
  return end_ - begin_;
}

}  // namespace ambrel
