#pragma once

#include <string>

namespace ambrel {

// A file name as the programs' messages write it: as given, so the user recognises it, and
// an empty name, which would vanish from the message, as ''.
std::string shown_path(const std::string& name);

// An input as the messages write it: standard input ("-") as <stdin>, a file by shown_path.
std::string shown_input(const std::string& input);

}  // namespace ambrel
