#include "support/text_part_joiner.h"

#include "support/unicode_text.h"

namespace ambrel {

namespace {

// Whether a part that ends in `unit` may be joined to the next one's first (a CR to its LF, a
// high surrogate to its low one).
bool joins_next(char16_t unit) { return unit == u'\r' || is_high_surrogate(unit); }

}  // namespace

std::u16string_view TextPartJoiner::pass(std::u16string_view part, bool last) {
  if (held_ != 0) {
    joined_.assign(1, held_);
    joined_ += part;
    held_ = 0;
    part = joined_;
  }
  if (!last && !part.empty() && joins_next(part.back())) {
    held_ = part.back();
    part.remove_suffix(1);
  }
  return part;
}

}  // namespace ambrel
