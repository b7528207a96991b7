#pragma once

namespace ambrel {

// The parser's message for error codes 1 to 40, as UTF-16; null for any other code.
const char16_t* xml_error_message(int code);

}  // namespace ambrel
