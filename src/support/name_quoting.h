#pragma once

// Names and other words from the user as the programs' messages show them. A name may hold
// bytes a terminal acts on (ESC starts a sequence that can rewrite the screen, BEL rings)
// or bytes that are no UTF-8; those must never reach it raw. Such a name is shown in the
// quoting a POSIX shell reads back, as the GNU tools show one: the printable runs between
// single quotes, each other byte as $'\ooo' (or $'\t', $'\n' and the like), so that
// "a<ESC>b" is shown as 'a'$'\033''b'. A name with none of them is shown as it is.

#include <string>
#include <string_view>

namespace ambrel {

// `name` as it is when every byte of it prints as itself, else quoted as above.
std::string shown_name(std::string_view name);

// `name` between single quotes when every byte of it prints as itself, else quoted as above
// (which is quoted already): for messages that quote what they name, "unknown option '-x'".
std::string quoted_name(std::string_view name);

}  // namespace ambrel
