#include "cli/shown_path.h"

namespace ambrel {

std::string shown_path(const std::string& name) { return name.empty() ? "''" : name; }

}  // namespace ambrel
