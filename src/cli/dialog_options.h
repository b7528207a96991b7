#pragma once

// The command line of ambrel-dialog.

#include <string>
#include <vector>

#include "support/program_arguments.h"

namespace ambrel {

struct InnerSize {
  int width = 0;
  int height = 0;
};

struct DialogOptions {
  std::u16string window_name;  // empty: the first window
  InnerSize open_size;
  std::vector<InnerSize> resizes;
  std::vector<std::u16string> procedures;
  bool any_procedure = false;
  bool toolkit = false;  // draw with the platform's toolkit, not the headless backend
  std::string png_path;  // empty: no screenshot
  bool embedded = false;
  std::string file;
};

using ParsedOptions = ParsedCommandLine<DialogOptions>;

ParsedOptions parse_dialog_options(const std::vector<std::string>& arguments);

}  // namespace ambrel
