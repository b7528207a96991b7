#include "support/utf8_arguments.h"

#include <windows.h>
#include <shellapi.h>

#include <string_view>

#include "support/unicode_text.h"

namespace ambrel {

std::vector<std::string> utf8_arguments(int, char**) {
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

}  // namespace ambrel
