#pragma once

// A file name as the tool's messages write it. A name is bytes that need not be UTF-8 and may
// hold control characters, which would garble or even command the terminal they reach: such
// bytes are written as \xHH, and the rest as it is, so the user recognises the name.

#include <string>

#include "support/platform_file.h"

namespace ambrel {

std::string shown_file_name(const NativePath& path);

}  // namespace ambrel
