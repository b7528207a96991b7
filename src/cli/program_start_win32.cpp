// Text mode would turn each LF written into CR LF (doubling the CR of the CR LF lines) and
// stop reading input at a Ctrl-Z.
#include "cli/program_start.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "support/utf8_arguments.h"

namespace ambrel {

namespace {

void use_binary_streams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);  // a console shows the UTF-8 bytes as the characters they are
}

}  // namespace

std::vector<std::string> start_program(int argc, char** argv) {
  use_binary_streams();
  return utf8_arguments(argc, argv);
}

}  // namespace ambrel
