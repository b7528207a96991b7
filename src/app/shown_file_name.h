#pragma once

// A file name as the tool's messages write it: the system's name in UTF-8, with what a
// terminal would act on quoted as the command-line programs quote it (see shown_name).

#include <string>

#include "support/platform_file.h"

namespace ambrel {

std::string shown_file_name(const NativePath& path);

}  // namespace ambrel
