#include "cli/shown_path.h"

#include "support/name_quoting.h"

namespace ambrel {

std::string shown_path(const std::string& name) { return name.empty() ? "''" : shown_name(name); }

std::string shown_input(const std::string& input) {
  return input == "-" ? "<stdin>" : shown_path(input);
}

std::string placed(const std::string& shown_name, int line, int column) {
  if (line <= 0) return shown_name + ": ";
  return shown_name + ":" + std::to_string(line) + ":" + std::to_string(column) + ": ";
}

}  // namespace ambrel
