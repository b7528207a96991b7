#pragma once

// A text held in pieces that several readers share (the worker that declares it and the fill
// that puts it into the input editor): a piece goes once every reader has passed it.

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

#include "app/text_source.h"

namespace ambrel {

// The units of a piece of a text the program was given whole or in parts of any size.
inline constexpr std::size_t kPieceUnits = std::size_t{1} << 16;

using SharedPiece = std::shared_ptr<const std::u16string>;
using SharedPieces = std::deque<SharedPiece>;

// Pieces of about `size` units, never cut between a CR and its LF nor within a surrogate pair.
SharedPieces cut_into_pieces(std::u16string_view text, std::size_t size);

// One reader's pass over the pieces: it lets go of each as it moves on.
class SharedPiecesSource final : public TextSource {
 public:
  explicit SharedPiecesSource(SharedPieces pieces) : pieces_(std::move(pieces)) {}
  bool next(std::u16string_view& piece) override;

 private:
  SharedPieces pieces_;
  SharedPiece current_;
};

}  // namespace ambrel
