#pragma once

// A reader of a text taken whole when the reader was made: what controls with short texts
// (captions, labels, fields) give.

#include <cstddef>
#include <string>

#include "backend/backend_controls.h"

namespace ambrel {

class HeldTextReader final : public ControlTextReader {
 public:
  explicit HeldTextReader(std::u16string text) : text_(std::move(text)) {}
  bool read(std::size_t units, const TextPieceHandler& take) override;

 private:
  std::u16string text_;
  std::size_t at_ = 0;
};

}  // namespace ambrel
