#pragma once

#include <string>

#include "generator/catalogue.h"

namespace ambrel {

// How the declarations are written; the default is the desktop tool's text.
struct DeclarationStyle {
  // Every field and structure name a valid identifier (see identifier_of), structure names
  // distinct (see distinct_structure_names) and field names distinct within their
  // structure, case ignored; a field whose name changed keeps the element's name in its
  // comment, and the path comments stay as they are.
  bool identifiers = false;
  bool lf_line_ends = false;  // LF instead of CR LF
  // JSON objects whose keys are data are read as maps (see MapChoice); the generator takes it
  // when it is made, printing does not.
  bool detect_maps = true;
};

// The declarations text for a filled catalogue: one structure for every kind whose
// instances all have child nodes (and for every kind that has child kinds), children
// first, the top structure "XML_MAIN" last. Every line ends with CR LF. Empty when the
// catalogue holds no kind.
std::u16string print_declarations(const ElementCatalogue& catalogue,
                                  const DeclarationStyle& style = {});

}  // namespace ambrel
