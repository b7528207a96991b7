#pragma once

#include <string>

namespace ambrel {

// What loading a command's input gave: the text, or why there is none.
struct LoadedInput {
  bool ok = false;
  bool out_of_memory = false;  // the reason, when not ok, was that memory ran out
  std::u16string text;
  std::string error;  // the reason, when not ok
};

// Loads a file the way the desktop tool's load command does (an empty file gives the empty
// text; see load_text_file). `path` is the name as the program start gave it (see
// native_path_of_argument).
LoadedInput load_input_file(const std::string& path);

// Loads standard input the same way.
LoadedInput load_standard_input();

}  // namespace ambrel
