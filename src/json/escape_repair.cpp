#include "json/escape_repair.h"

#include "support/unicode_text.h"

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

// The first backslash at or after `from`: blocks of units are checked whole in loops without
// an early exit, which the compiler runs many units at a time, since most text has none.
std::size_t next_backslash(std::u16string_view text, std::size_t from) {
  constexpr std::size_t kBlock = 32;
  std::size_t at = from;
  for (; at + kBlock <= text.size(); at += kBlock) {
    bool any = false;
    for (std::size_t i = 0; i < kBlock; ++i) any |= text[at + i] == u'\\';
    if (any) break;
  }
  return text.find(u'\\', at);
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
  for (std::size_t at = next_backslash(text, 0); at != std::u16string_view::npos;
       at = next_backslash(text, at)) {
    if (!last && text.size() - at < kPairEscapeUnits) {
      held_.assign(text.substr(at));
      return text.substr(0, at);
    }
    long unit = escaped_unit(text, at);
    if (unit < 0) {
      at += 2;  // an escape of one character, or a fault the reader reports
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
