#pragma once

#include <string>

namespace ambrel {

// What loading a command's input gave: the text, or why there is none.
struct LoadedInput {
  bool ok = false;
  std::u16string text;
  std::string error;  // the reason, when not ok
};

// Loads a file the way the desktop tool's load command does: the size check (an empty
// file gives the empty text), byte-order-mark detection keeping UTF-8, UTF-16 LE and
// single-byte text (any other mark is read as single-byte text), the whole rest of the
// file up to a NUL. Needs file_library_init.
LoadedInput load_input_file(const std::string& path);

// Loads standard input the same way, without the size check.
LoadedInput load_standard_input();

}  // namespace ambrel
