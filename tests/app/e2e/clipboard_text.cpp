// Prints the Windows clipboard's Unicode text as UTF-8, every character as it is there (CR LF
// stays CR LF), for the end-to-end test to compare with ambrel-gen.exe's output. What the X
// side of the clipboard shows has gone through Wine's conversion on the way out.
// Exit status 1 when the clipboard holds no Unicode text.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Another program may hold the clipboard for a moment.
bool open_clipboard() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(20);
  }
  return false;
}

std::string utf8(const wchar_t* text, std::size_t length) {
  if (length == 0) return {};
  int size =
      WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

}  // namespace

int main() {
  _setmode(_fileno(stdout), _O_BINARY);
  if (!open_clipboard()) return 1;
  bool found = false;
  std::string bytes;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(memory))) {
      bytes = utf8(units, wcsnlen(units, GlobalSize(memory) / sizeof(wchar_t)));
      found = true;
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  return found && std::fflush(stdout) == 0 ? 0 : 1;
}
