#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// `name` as the declarations print it: every character that would end or hide a line of
// the text (the C0 and C1 controls, DEL, U+2028 and U+2029) written as "\u" and four
// upper-case hex digits, so that every declaration stays on its own line. XML names hold
// none of them; JSON keys may hold any character.
std::u16string printable_name(std::u16string_view name);

}  // namespace ambrel
