#include "backend/held_text_reader.h"

#include <algorithm>
#include <string_view>

namespace ambrel {

bool HeldTextReader::read(std::size_t units, const TextPieceHandler& take) {
  if (at_ >= text_.size()) return false;
  std::size_t count = std::min(std::max<std::size_t>(units, 1), text_.size() - at_);
  take(std::u16string_view(text_).substr(at_, count));
  at_ += count;
  return true;
}

}  // namespace ambrel
