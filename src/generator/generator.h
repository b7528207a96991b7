#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// The declarations text for a whole XML or JSON document (see print_declarations and
// DeclarationGenerator). A document that is not well-formed is declared as far as it was
// parsed; text without any element (or JSON without any key) gives the empty text. Needs no library
// start-up and keeps no state between calls; generate_declarations_with_status also gives the parse
// result.
std::u16string generate_declarations(std::u16string_view text);

}  // namespace ambrel
