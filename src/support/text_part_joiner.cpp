#include "support/text_part_joiner.h"

#include "support/unicode_text.h"

namespace ambrel {

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
