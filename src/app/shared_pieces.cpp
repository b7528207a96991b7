#include "app/shared_pieces.h"

#include "support/unicode_text.h"

namespace ambrel {

SharedPieces cut_into_pieces(std::u16string_view text, std::size_t size) {
  SharedPieces pieces;
  while (!text.empty()) {
    std::size_t end = next_piece_units(text, size);
    pieces.push_back(std::make_shared<const std::u16string>(text.substr(0, end)));
    text.remove_prefix(end);
  }
  return pieces;
}

bool SharedPiecesSource::next(std::u16string_view& piece) {
  current_.reset();
  if (pieces_.empty()) return false;
  current_ = std::move(pieces_.front());
  pieces_.pop_front();
  piece = *current_;
  return true;
}

}  // namespace ambrel
