#pragma once

#include <string>

namespace ambrel {

// A file name as the programs' messages write it: as given, so the user recognises it, with
// bytes the terminal would act on escaped (see shown_name), and an empty name, which would
// vanish from the message, as ''.
std::string shown_path(const std::string& name);

// An input as the messages write it: standard input ("-") as <stdin>, a file by shown_path.
std::string shown_input(const std::string& input);

// The start of a message about a place in a file, "NAME:LINE:COLUMN: ", or "NAME: " where
// the place is unknown (line 0); NAME as shown_path or shown_input gives it.
std::string placed(const std::string& shown_name, int line, int column);

}  // namespace ambrel
