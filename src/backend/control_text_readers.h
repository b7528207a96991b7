#pragma once

// What the backends' readers of control text (ControlTextReader) are made of: the text of a
// short control, taken whole, and an editor's lines handed on with CR LF line ends.

#include <cstddef>
#include <string>
#include <string_view>

#include "backend/backend_controls.h"

namespace ambrel {

// A reader of a text taken whole when the reader was made: what controls with short texts
// (captions, labels, fields) give.
class HeldTextReader final : public ControlTextReader {
 public:
  explicit HeldTextReader(std::u16string text) : text_(std::move(text)) {}
  bool read(std::size_t units, const TextPieceHandler& take) override;

 private:
  std::u16string text_;
  std::size_t at_ = 0;
};

// Text a control gives out in pieces of its own size, handed on with every line break as
// CR LF in pieces of a steady size. A CR LF split between two pieces read stays one line end,
// also when the pieces are read at different times; memory holds one piece whatever the
// text's size.
class CrLfPieceWriter {
 public:
  // The size at which a gathered piece is handed on, in UTF-16 units.
  static constexpr std::size_t kPieceSize = std::size_t{1} << 15;

  // CR LF, a lone CR and a lone LF are line breaks; with `separators`, also the line and
  // paragraph separators (U+2028, U+2029).
  explicit CrLfPieceWriter(bool separators);
  CrLfPieceWriter(const CrLfPieceWriter&) = delete;
  CrLfPieceWriter& operator=(const CrLfPieceWriter&) = delete;

  void write(std::u16string_view text, const TextPieceHandler& take);
  // Hands on what is gathered; after the last write, and whenever a reader's slice ends.
  void flush(const TextPieceHandler& take);

 private:
  std::u16string_view breaks_;
  std::u16string piece_;
  bool after_cr_ = false;  // an LF that comes next ends the same line
};

}  // namespace ambrel
