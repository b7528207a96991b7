#pragma once

#include <string>

#include "generator/catalogue.h"

namespace ambrel {

// The declarations text for a filled catalogue: one structure for every kind whose
// instances all have child nodes (and for every kind that has child kinds), children
// first, the top structure "XML_MAIN" last. Every line ends with CR LF. Empty when the
// catalogue holds no kind.
std::u16string print_declarations(const ElementCatalogue& catalogue);

}  // namespace ambrel
