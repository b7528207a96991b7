#include "support/utf8_arguments.h"

namespace ambrel {

std::vector<std::string> utf8_arguments(int argc, char** argv) {
  if (argc < 1) return {};
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace ambrel
