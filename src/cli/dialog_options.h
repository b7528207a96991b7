#pragma once

// The command line of ambrel-dialog.

#include <optional>
#include <string>
#include <vector>

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

struct ParsedOptions {
  std::optional<DialogOptions>
      options;  // none: help or the version was asked for, or the line is wrong
  bool help = false;
  bool version = false;
  std::string problem;
};

ParsedOptions parse_dialog_options(const std::vector<std::string>& arguments);

}  // namespace ambrel
