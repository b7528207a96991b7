#include "json/text_position.h"

#include "support/unicode_text.h"

namespace ambrel {

void TextPosition::advance(std::u16string_view units) {
  for (char16_t unit : units) {
    if (unit == u'\n') {
      if (!after_cr_) ++line_;
      column_ = 1;
      after_cr_ = false;
    } else if (unit == u'\r') {
      ++line_;
      column_ = 1;
      after_cr_ = true;
    } else {
      after_cr_ = false;
      if (!is_low_surrogate(unit)) ++column_;  // the second half of a pair is no character
    }
  }
}

}  // namespace ambrel
