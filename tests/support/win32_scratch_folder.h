#pragma once

// A Windows test's own folder under the temporary folder, and what the test makes in it:
// all of it is removed, newest first, when the object ends (after the fixture's TearDown,
// once nothing holds the files open). Names reach the wide API in the "\\?\" form, which
// takes any length.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace ambrel {

inline std::wstring long_form(const std::wstring& path) { return L"\\\\?\\" + path; }

class Win32ScratchFolder {
 public:
  Win32ScratchFolder() = default;
  Win32ScratchFolder(const Win32ScratchFolder&) = delete;
  Win32ScratchFolder& operator=(const Win32ScratchFolder&) = delete;
  ~Win32ScratchFolder() {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
      if (!DeleteFileW(long_form(*it).c_str())) RemoveDirectoryW(long_form(*it).c_str());
    }
  }

  // Makes the folder, named from `prefix`, the process and the clock; false on a failure.
  bool create(const std::wstring& prefix) {
    wchar_t temp[MAX_PATH + 1] = {};
    if (GetTempPathW(MAX_PATH + 1, temp) == 0) return false;
    path_ = std::wstring(temp) + prefix + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::to_wstring(GetTickCount64());
    if (!CreateDirectoryW(long_form(path_).c_str(), nullptr)) return false;
    made_.push_back(path_);
    return true;
  }

  const std::wstring& path() const { return path_; }

  std::wstring make_folder(const std::wstring& path) {
    EXPECT_TRUE(CreateDirectoryW(long_form(path).c_str(), nullptr));
    made_.push_back(path);
    return path;
  }

  std::wstring write(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(long_form(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    made_.push_back(path);
    return path;
  }

 private:
  std::wstring path_;
  std::vector<std::wstring> made_;
};

}  // namespace ambrel
