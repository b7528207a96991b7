#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// Compiled regular expressions addressed by number, matched on UTF-16 text with the
// semantics of UTF mode: "." is one character, a surrogate pair included. Text that is
// not valid UTF-16 is matched as if each unpaired surrogate were U+FFFD.

// Creates the expression registry (start-up; true once it runs) / frees every expression (exit).
bool regex_library_init();
void regex_library_end();

// Compiles `pattern` under `handle` (kAnyNumber for an automatic number; an explicit
// number frees the expression it held). Returns the automatic number, or 1 for an
// explicit number; 0 when the pattern is null (a view with no data) or does not compile.
int regex_create(int handle, std::u16string_view pattern);

// `subject` with every match of the expression replaced by `replacement`, taken
// literally. The empty text when the handle names no expression, the subject is null,
// or memory runs out. After an empty match the search moves on by one character.
std::u16string regex_replace(int handle, std::u16string_view subject,
                             std::u16string_view replacement);

}  // namespace ambrel
