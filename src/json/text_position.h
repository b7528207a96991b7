#pragma once

#include <string_view>

#include "json/unit_scan.h"

namespace ambrel {

// A place in a text read in pieces, as line and column from 1. A line ends at LF, CR LF or
// a lone CR, as the XML reader counts them; a column counts characters (a surrogate pair is
// one, a tab is one). The units are well-formed UTF-16: a lone surrogate is replaced before
// it is counted, since it would be taken for half a pair.
class TextPosition {
 public:
  // Moves the place past `units`, which follow it.
  void advance(std::u16string_view units);
  // The same with the census of `units` already taken.
  void advance(std::u16string_view units, const UnitCensus& census);
  int line() const { return line_; }
  int column() const { return column_; }

 private:
  void advance_by_unit(std::u16string_view units);

  int line_ = 1;
  int column_ = 1;
  bool after_cr_ = false;  // an LF next ends no further line
};

}  // namespace ambrel
