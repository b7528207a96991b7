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

// A stream that owns `file`; null, with `file` closed and errno set, when none can be made.
std::FILE* stream_of(HANDLE file) {
  int handle = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
  if (handle < 0) {
    CloseHandle(file);
    return nullptr;
  }
  std::FILE* stream = _fdopen(handle, "wb");
  if (stream == nullptr) _close(handle);
  return stream;
}

// A device (NUL, CON, COM1, ...) as a stream written directly: a temporary name beside it
// would name the device again. Null for anything else, a file on disk above all.
std::FILE* device_stream(const std::string& target) {
  HANDLE device =
      CreateFileW(wide(target).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, 0, nullptr);
  if (device == INVALID_HANDLE_VALUE) return nullptr;
  if (GetFileType(device) == FILE_TYPE_DISK) {
    CloseHandle(device);
    return nullptr;
  }
  return stream_of(device);
}

}  // namespace

// The file that takes the target's place. Until it is complete the system deletes it when
// its handle closes, so that no end of the process, however abrupt, leaves it behind.
struct ReplacingFile::Temporary {
  std::string name;

  // Makes the file beside the target as a stream; null with errno set after a failure.
  std::FILE* make(const std::string& target) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
      name = folder_of(target) + kTemporaryPrefix + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(attempt);
      HANDLE file = CreateFileW(wide(name).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) continue;
      if (file == INVALID_HANDLE_VALUE) break;
      if (delete_on_close(file, true)) return stream_of(file);
      errno = errno_of_last_error();
      CloseHandle(file);
      return nullptr;
    }
    errno = errno_of_last_error();
    name.clear();
    return nullptr;
  }

  static bool delete_on_close(HANDLE file, bool deleted) {
    FILE_DISPOSITION_INFO disposition{static_cast<BOOLEAN>(deleted ? TRUE : FALSE)};
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
  }

  ~Temporary() {
    if (!name.empty()) DeleteFileW(wide(name).c_str());
  }
};

ReplacingFile::ReplacingFile(const std::string& target) : target_(target) {
  stream_ = device_stream(target);
  if (stream_ != nullptr) return;
  DWORD attributes = GetFileAttributesW(wide(target).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    error_ = EACCES;  // renaming would replace a file its owner made read-only
    return;
  }
  // A name in the same folder, so the final move is a rename on one volume.
  temporary_.reset(new Temporary());
  write_temporary(temporary_->make(target));
}

void ReplacingFile::TemporaryRemoval::operator()(Temporary* temporary) const { delete temporary; }

bool ReplacingFile::keep_temporary() {
  if (Temporary::delete_on_close(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream_))), false))
    return true;
  errno = errno_of_last_error();
  return false;
}

bool ReplacingFile::put_temporary_in_place() {
  if (!MoveFileExW(wide(temporary_->name).c_str(), wide(target_).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    errno = errno_of_last_error();
    return false;
  }
  temporary_->name.clear();
  return true;
}

}  // namespace ambrel
