#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "cli/replacing_file.h"
#include "support/platform_file.h"

namespace ambrel {

namespace {

int errno_of_last_error() {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    default:
      return EIO;
  }
}

std::wstring wide(const std::string& name) { return native_path_of_argument(name); }

// The folder part of a name, with its final separator or drive ("C:out.h"); empty for a
// name in the current folder.
std::string folder_of(const std::string& path) {
  std::size_t end = path.find_last_of("\\/:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

// A device (NUL, CON, COM1, ...) as a stream written directly: a temporary name beside it
// would name the device again. Null for anything else, a file on disk above all.
std::FILE* device_stream(const std::string& target) {
  HANDLE device =
      CreateFileW(wide(target).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, 0, nullptr);
  if (device == INVALID_HANDLE_VALUE) return nullptr;
  if (GetFileType(device) != FILE_TYPE_DISK) {
    int handle = _open_osfhandle(reinterpret_cast<intptr_t>(device), _O_WRONLY | _O_BINARY);
    std::FILE* stream = handle >= 0 ? _fdopen(handle, "wb") : nullptr;
    if (stream != nullptr) return stream;
    if (handle >= 0) _close(handle);
  }
  CloseHandle(device);
  return nullptr;
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& target) : target_(target) {
  stream_ = device_stream(target);
  if (stream_ != nullptr) return;
  DWORD attributes = GetFileAttributesW(wide(target).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    error_ = EACCES;  // renaming would replace a file its owner made read-only
    return;
  }
  // A name in the same folder, so the final move is a rename on one volume.
  for (unsigned attempt = 0; attempt < 100 && stream_ == nullptr; ++attempt) {
    std::string name = folder_of(target) + kTemporaryPrefix +
                       std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
    stream_ = _wfopen(wide(name).c_str(), L"wbx");
    if (stream_ != nullptr) temporary_ = name;
  }
  if (stream_ == nullptr) error_ = errno != 0 ? errno : EIO;
}

ReplacingFile::~ReplacingFile() {
  if (stream_ != nullptr) std::fclose(stream_);
  if (!temporary_.empty()) DeleteFileW(wide(temporary_).c_str());
}

bool ReplacingFile::commit() {
  if (stream_ == nullptr) return false;
  if (std::fflush(stream_) != 0 || std::ferror(stream_) != 0) return fail();
  int closed = std::fclose(stream_);
  stream_ = nullptr;
  if (closed != 0) return fail();
  if (temporary_.empty()) return true;
  if (!MoveFileExW(wide(temporary_).c_str(), wide(target_).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error_ = errno_of_last_error();
    return false;
  }
  temporary_.clear();
  return true;
}

}  // namespace ambrel
