#include "json/piece_places.h"

namespace ambrel {

PiecePlaces::Census PiecePlaces::take_census(std::u16string_view piece) {
  std::size_t head_size = piece.size() > kReachBack ? piece.size() - kReachBack : 0;
  return {head_size, ambrel::take_census(piece.substr(0, head_size)),
          ambrel::take_census(piece.substr(head_size))};
}

void PiecePlaces::pass(std::u16string_view piece, const Census& census) {
  if (piece.empty()) return;
  piece_offset_ += piece.size();
  if (piece.size() >= kReachBack) {
    recent_start_ = piece_start_;
    recent_start_.advance(piece.substr(0, census.head_size), census.head);
    recent_.assign(piece.substr(census.head_size));
    piece_start_ = recent_start_;
    piece_start_.advance(recent_, census.tail);
    return;
  }
  // A short piece joins the units before it, the oldest of which go.
  piece_start_.advance(piece, census.tail);
  recent_.append(piece);
  if (recent_.size() > kReachBack) {
    std::size_t gone = recent_.size() - kReachBack;
    recent_start_.advance(std::u16string_view(recent_).substr(0, gone));
    recent_.erase(0, gone);
  }
}

TextPosition PiecePlaces::at(std::size_t offset, std::u16string_view piece) const {
  TextPosition place = piece_start_;
  if (offset >= piece_offset_) {
    place.advance(piece.substr(0, offset - piece_offset_));
    return place;
  }
  std::size_t recent_offset = piece_offset_ - recent_.size();
  place = recent_start_;
  if (offset > recent_offset)
    place.advance(std::u16string_view(recent_).substr(0, offset - recent_offset));
  return place;
}

}  // namespace ambrel
