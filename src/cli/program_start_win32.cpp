// Windows hands main() its arguments in the ANSI code page, which loses every character
// outside it; the UTF-16 command line has them all. Text mode would turn each LF written
// into CR LF (doubling the CR of the CR LF lines) and stop reading input at a Ctrl-Z.
#include "cli/program_start.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string_view>

#include "support/unicode_text.h"

namespace ambrel {

namespace {

void use_binary_streams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);  // a console shows the UTF-8 bytes as the characters they are
}

std::vector<std::string> utf16_arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) {
    std::wstring_view argument(wide[i]);
    arguments.push_back(
        utf16_to_utf8({reinterpret_cast<const char16_t*>(argument.data()), argument.size()}));
  }
  LocalFree(wide);
  return arguments;
}

}  // namespace

std::vector<std::string> start_program(int, char**) {
  use_binary_streams();
  return utf16_arguments();
}

}  // namespace ambrel
