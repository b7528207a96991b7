#include "cli/program_start.h"

#include "support/utf8_arguments.h"

namespace ambrel {

std::vector<std::string> start_program(int argc, char** argv) { return utf8_arguments(argc, argv); }

}  // namespace ambrel
