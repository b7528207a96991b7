#pragma once

#include <string>
#include <vector>

namespace ambrel {

// Readies the standard streams to pass bytes unchanged (the programs print UTF-8 with
// their own line ends) and returns the arguments after the program name as UTF-8.
// One file per platform: program_start_posix.cpp, program_start_win32.cpp.
std::vector<std::string> start_program(int argc, char** argv);

}  // namespace ambrel
