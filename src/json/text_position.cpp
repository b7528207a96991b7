#include "json/text_position.h"

#include "support/unicode_text.h"

namespace ambrel {

namespace {

// Characters: units but the second halves of pairs.
std::size_t characters_in(std::u16string_view units) {
  std::size_t halves = 0;
  for (char16_t unit : units) halves += (unit & 0xFC00u) == 0xDC00u ? 1 : 0;
  return units.size() - halves;
}

}  // namespace

void TextPosition::advance(std::u16string_view units) { advance(units, take_census(units)); }

void TextPosition::advance(std::u16string_view units, const UnitCensus& census) {
  if (units.empty()) return;
  if (census.carriage_returns != 0) {
    advance_by_unit(units);
    return;
  }
  if (census.line_feeds == 0) {
    column_ += static_cast<int>(units.size() - census.low_surrogates);
  } else {
    std::size_t last_break = units.rfind(u'\n');
    line_ += static_cast<int>(census.line_feeds) - (after_cr_ && units[0] == u'\n' ? 1 : 0);
    column_ = 1 + static_cast<int>(characters_in(units.substr(last_break + 1)));
  }
  after_cr_ = false;
}

// Text with CRs, where a line may end in CR LF or a CR alone.
void TextPosition::advance_by_unit(std::u16string_view units) {
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
