#include "json/escape_repair.h"

#include "json/unit_scan.h"

namespace ambrel {

namespace {

// The longest run that decides an escape: a high surrogate's escape and its partner's.
constexpr std::size_t kPairEscapeUnits = 12;
constexpr std::size_t kEscapeUnits = 6;

int hex_digit(char16_t unit) {
  if (unit >= u'0' && unit <= u'9') return unit - u'0';
  if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
  if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
  return -1;
}

// The code unit that a \u escape at `at` stands for, or -1 when there is none there.
long escaped_unit(std::u16string_view text, std::size_t at) {
  if (at + kEscapeUnits > text.size() || text[at] != u'\\' || text[at + 1] != u'u') return -1;
  long unit = 0;
  for (std::size_t i = at + 2; i < at + kEscapeUnits; ++i) {
    int digit = hex_digit(text[i]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

// Whether the escape at `at` may be a \u escape of a surrogate (D800 to DFFF): most escapes
// are told apart by this glance.
bool may_escape_surrogate(std::u16string_view text, std::size_t at) {
  return at + 2 < text.size() && text[at + 1] == u'u' &&
         (text[at + 2] == u'd' || text[at + 2] == u'D');
}

bool is_high(long unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low(long unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string_view EscapeRepair::pass(std::u16string_view piece, bool last) {
  std::u16string_view text = piece;
  bool own = false;  // text is joined_, which may be written
  if (!held_.empty()) {
    joined_.assign(held_);
    joined_.append(piece);
    held_.clear();
    text = joined_;
    own = true;
  }
  std::size_t previous = std::u16string_view::npos;  // the escape before
  for (std::size_t at = find_unit(text, u'\\'); at != std::u16string_view::npos;
       at = find_unit(text, u'\\', at)) {
    if (!last && text.size() - at < kPairEscapeUnits) {
      // A malformed escape just before may still reach into the units held.
      if (previous != std::u16string_view::npos && at - previous < kEscapeUnits) at = previous;
      held_.assign(text.substr(at));
      return text.substr(0, at);
    }
    previous = at;
    long unit = may_escape_surrogate(text, at) ? escaped_unit(text, at) : -1;
    if (unit < 0) {
      at += 2;  // an escape of one character or of no surrogate, or a fault the reader reports
      continue;
    }
    if (is_high(unit) && is_low(escaped_unit(text, at + kEscapeUnits))) {
      at += kPairEscapeUnits;
      continue;
    }
    if (is_high(unit) || is_low(unit)) {
      if (!own) {
        joined_.assign(text);
        text = joined_;
        own = true;
      }
      joined_.replace(at + 2, 4, u"FFFD");
    }
    at += kEscapeUnits;
  }
  return text;
}

}  // namespace ambrel
