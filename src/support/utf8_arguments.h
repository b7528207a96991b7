#pragma once

#include <string>
#include <vector>

namespace ambrel {

// The arguments the program was started with, after its name, as UTF-8. Windows hands
// main() its arguments in the ANSI code page, which loses every character outside it, so
// there they come from the UTF-16 command line and `argc` and `argv` are not read; elsewhere
// they are `argv` as given, which are UTF-8 names. One file per platform:
// utf8_arguments_posix.cpp, utf8_arguments_win32.cpp.
std::vector<std::string> utf8_arguments(int argc, char** argv);

}  // namespace ambrel
