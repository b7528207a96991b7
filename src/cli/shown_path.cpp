#include "cli/shown_path.h"

namespace ambrel {

std::string shown_path(const std::string& name) { return name.empty() ? "''" : name; }

std::string shown_input(const std::string& input) {
  return input == "-" ? "<stdin>" : shown_path(input);
}

}  // namespace ambrel
