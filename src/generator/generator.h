#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// The declarations text for a whole XML document (see print_declarations). A document
// that is not well-formed is declared as far as it was parsed; text without any element
// gives the empty text. Needs xml_library_init. Keeps no state between calls.
std::u16string generate_declarations(std::u16string_view xml_text);

}  // namespace ambrel
