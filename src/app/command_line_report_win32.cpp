// A program of the window subsystem has no console of its own. Its texts go to the standard
// handles it was given (a pipe, a file, a console), else to the console of the program that
// started it, else, started from the desktop, into a message box.
#include <windows.h>

#include <string>
#include <string_view>

#include "app/command_line.h"
#include "support/unicode_text.h"

namespace ambrel {

namespace {

std::wstring wide(std::string_view utf8) {
  std::u16string text = utf8_to_utf16(utf8);
  return {text.begin(), text.end()};
}

HANDLE given_handle(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return nullptr;
  return GetFileType(handle) == FILE_TYPE_UNKNOWN ? nullptr : handle;
}

// The console of the program that started this one; null when it has none.
HANDLE parent_console() {
  if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
    return nullptr;  // ERROR_ACCESS_DENIED: attached already
  HANDLE console =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  return console == INVALID_HANDLE_VALUE ? nullptr : console;
}

// A console takes UTF-16 and shows every character; a pipe or a file takes the UTF-8 bytes.
bool write_all(HANDLE handle, std::string_view text) {
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    std::wstring characters = wide(text);
    DWORD written = 0;
    return WriteConsoleW(handle, characters.data(), static_cast<DWORD>(characters.size()), &written,
                         nullptr) != 0;
  }
  while (!text.empty()) {
    DWORD written = 0;
    if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written == 0)
      return false;
    text.remove_prefix(written);
  }
  return true;
}

std::string last_error_text() {
  wchar_t* message = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, GetLastError(), 0, reinterpret_cast<LPWSTR>(&message), 0, nullptr);
  std::u16string text(reinterpret_cast<const char16_t*>(message), length);
  LocalFree(message);
  while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u'.'))
    text.pop_back();
  return utf16_to_utf8(text);
}

// Where a stream's text goes: its own handle, else the starting program's console.
class Destinations {
 public:
  HANDLE of(DWORD which) {
    if (HANDLE handle = given_handle(which)) return handle;
    if (!console_asked_) {
      console_ = parent_console();
      console_asked_ = true;
    }
    return console_;
  }

 private:
  HANDLE console_ = nullptr;
  bool console_asked_ = false;
};

}  // namespace

int report_command_line(const CommandLineOutcome& outcome) {
  Destinations destinations;
  HANDLE output = destinations.of(STD_OUTPUT_HANDLE);
  HANDLE error = destinations.of(STD_ERROR_HANDLE);
  if (!output && !error) {
    bool failed = outcome.exit_status != 0;
    std::wstring text = wide(failed ? outcome.standard_error : outcome.standard_output);
    MessageBoxW(nullptr, text.c_str(), L"Ambrel",
                MB_OK | (failed ? MB_ICONERROR : MB_ICONINFORMATION));
    return outcome.exit_status;
  }
  if (error && !outcome.standard_error.empty()) write_all(error, outcome.standard_error);
  if (!outcome.standard_output.empty() &&
      (!output || !write_all(output, outcome.standard_output))) {
    std::string problem = output ? last_error_text() : "no standard output";
    if (error) write_all(error, "ambrel: cannot write to standard output: " + problem + "\n");
    return kOutputNotWritten;
  }
  return outcome.exit_status;
}

}  // namespace ambrel
