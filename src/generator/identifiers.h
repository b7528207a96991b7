#pragma once

// Names that a compiler of the target language accepts: letters, digits and "_", not
// starting with a digit, compared without regard to case.

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "generator/catalogue.h"

namespace ambrel {

// `name` with every character other than an ASCII letter, digit or "_" written "_" (a
// namespace prefix's ":" too, so "xsl:template" gives "xsl_template"; a surrogate pair is
// one character), and a "_" in front of a leading digit; the empty name (a JSON key may be
// empty) gives "_".
std::u16string identifier_of(std::u16string_view name);

// Names handed out in one scope, compared without regard to case.
class NameScope {
 public:
  // `name` itself when it is free, else `name` with the first free "_2", "_3", ...; taken.
  // Each number is tried once per name, so many equal names cost no more than as many
  // different ones.
  std::u16string take(std::u16string name);

 private:
  std::unordered_set<std::u16string> taken_;  // upper-cased
  // By upper-cased name: the number its next "_N" is looked for from; those below are taken.
  std::unordered_map<std::u16string, int> next_number_;
};

// A structure name for each of `kinds` (the kinds that print a structure, in ascending key
// order), by kind number: the catalogue's prefix ("XML_") and the upper-cased identifier of the
// element name. Kinds whose names would be equal, to each other or to `top_name`, are named from
// their path instead, one parent's name more at a time ("XML_A_ITEM" and "XML_B_ITEM" for two
// ITEMs) up to a few parents; what still collides after that gets "_2", "_3", ... in key
// order. The same catalogue always gives the same names.
std::vector<std::u16string> distinct_structure_names(const ElementCatalogue& catalogue,
                                                     const std::vector<int>& kinds,
                                                     const std::u16string& top_name);

}  // namespace ambrel
