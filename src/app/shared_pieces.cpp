#include "app/shared_pieces.h"

#include <algorithm>

namespace ambrel {

namespace {

bool is_high_surrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

SharedPieces cut_into_pieces(std::u16string_view text, std::size_t size) {
  size = std::max<std::size_t>(size, 2);
  SharedPieces pieces;
  while (!text.empty()) {
    std::size_t end = std::min(size, text.size());
    if (end < text.size()) {
      char16_t last = text[end - 1];
      if ((last == u'\r' && text[end] == u'\n') || is_high_surrogate(last)) --end;
    }
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
