#include "cli/program_start.h"

namespace ambrel {

// Arguments arrive as the bytes the caller gave, which are UTF-8 names here.
std::vector<std::string> start_program(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace ambrel
