#include "support/utf16_piece_reader.h"

namespace ambrel {

bool Utf16PieceReader::next(std::u16string& piece) {
  piece.clear();
  if (done_) return false;
  std::ptrdiff_t got = file_.read(buffer_.data(), buffer_.size());
  if (got < 0) {
    error_ = file_.error();
    done_ = true;
    return false;
  }
  if (got == 0) {
    decoder_.finish(piece);
    done_ = true;
    return !piece.empty();
  }
  read_a_byte_ = true;
  bytes_read_ += static_cast<std::uint64_t>(got);
  decoder_.decode(buffer_.data(), static_cast<std::size_t>(got), piece);
  done_ = decoder_.ended();
  return true;
}

}  // namespace ambrel
