#pragma once

#include <string>

#include "cli/gen_options.h"

namespace ambrel {

// What is wrong when the -o FILE is one of the inputs, which replacing it would destroy:
// the same file however it is named (compared by device and inode, standard input too).
// Empty when it is none of them or there is no -o FILE.
std::string output_input_clash(const GenOptions& options);

}  // namespace ambrel
