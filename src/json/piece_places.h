#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "json/text_position.h"
#include "json/unit_scan.h"

namespace ambrel {

// Places in a text read in pieces: where the piece being read starts, and where the last few
// units before it start. The reader places a fault in an escape at its backslash, a few units
// before the unit that shows the fault, and that unit may stand in the next piece.
class PiecePlaces {
 public:
  // How far before the unit that shows it a fault may be placed: the longest escape, \uXXXX.
  static constexpr std::size_t kReachBack = 6;

  // A piece's census, taken apart for its last kReachBack units.
  struct Census {
    std::size_t head_size;
    UnitCensus head;
    UnitCensus tail;
    bool any_surrogate() const { return head.surrogates + tail.surrogates != 0; }
  };
  static Census take_census(std::u16string_view piece);

  // `piece`, whose census this is, was read: the next one starts after it.
  void pass(std::u16string_view piece, const Census& census);
  // The place `offset` units from the text's start, within `piece` (the one being read) or
  // among the last units before it.
  TextPosition at(std::size_t offset, std::u16string_view piece) const;

 private:
  TextPosition piece_start_;
  std::size_t piece_offset_ = 0;  // units before the piece
  std::u16string recent_;         // the last units before the piece, kReachBack at most
  TextPosition recent_start_;
};

}  // namespace ambrel
