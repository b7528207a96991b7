#pragma once

#include <functional>
#include <string>
#include <string_view>

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

// Takes the declarations as they are printed, whole lines at a time (so a piece never ends
// inside a surrogate pair); false stops the printing.
using DeclarationSink = std::function<bool(std::u16string_view lines)>;

// Prints the declarations for a filled catalogue into `sink`, the pieces bounded in size
// whatever the text's length: one structure for every kind whose instances all have child
// nodes (and for every kind that has child kinds), children first, the top structure
// "XML_MAIN" last. Every line ends with CR LF. Nothing when the catalogue holds no kind.
// False when the sink refused a piece.
bool print_declarations(const ElementCatalogue& catalogue, const DeclarationStyle& style,
                        const DeclarationSink& sink);

// The same declarations as one text.
std::u16string print_declarations(const ElementCatalogue& catalogue,
                                  const DeclarationStyle& style = {});

}  // namespace ambrel
