// Windows: names are UTF-16 and go to the wide API unchanged, so any character works
// whatever the ANSI code page; descriptors are the C runtime's, in binary mode.
#include "support/file_access.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <climits>
#include <string>

#include "support/text_file.h"

namespace ambrel {

namespace {

constexpr std::int64_t kMissing = -1;
constexpr std::int64_t kDirectory = -2;

bool is_separator(char16_t c) { return c == u'\\' || c == u'/'; }

// The name as the wide API takes it. Names of MAX_PATH characters or more are given the
// "\\?\" form, which lifts the limit for absolute names (that form takes no "/").
std::wstring wide_name(std::u16string_view path) {
  std::wstring name(path.begin(), path.end());
  if (name.size() < MAX_PATH) return name;
  for (wchar_t& c : name) {
    if (c == L'/') c = L'\\';
  }
  bool drive_absolute = name.size() > 2 && name[1] == L':' && name[2] == L'\\';
  bool share = name.starts_with(L"\\\\") && !name.starts_with(L"\\\\?\\");
  if (drive_absolute) return L"\\\\?\\" + name;
  if (share) return L"\\\\?\\UNC\\" + name.substr(2);
  return name;
}

bool names_existing_drive(const std::wstring& name) { return GetDriveTypeW(name.c_str()) > DRIVE_NO_ROOT_DIR; }

// "C:" and "C:\" name a drive's root, which FindFirstFileW cannot look up.
bool is_drive_root(std::u16string_view path) {
  return (path.size() == 2 || path.size() == 3) && path[1] == u':';
}

std::int64_t drive_root_size(std::u16string_view path) {
  std::wstring root(path.begin(), path.end());
  if (root.size() == 2) root += L'\\';
  return names_existing_drive(root) ? kDirectory : kMissing;
}

// Shares ("\\server\share") and ".." are not found by FindFirstFileW but are folders.
std::int64_t unfound_size(std::u16string_view path) {
  if (!path.starts_with(u"\\\\") && !path.starts_with(u"..")) return kMissing;
  std::wstring name = wide_name(path);
  DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? kDirectory : kMissing;
  }
  return names_existing_drive(name) ? kDirectory : kMissing;
}

int errno_from(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    default: return EIO;
  }
}

bool is_directory(const std::wstring& name) {
  DWORD attributes = GetFileAttributesW(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::int64_t file_size(std::u16string_view path) {
  if (path.empty()) return kMissing;
  if (is_drive_root(path)) return drive_root_size(path);
  while (!path.empty() && is_separator(path.back())) path.remove_suffix(1);
  if (path.empty()) return kMissing;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(wide_name(path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return unfound_size(path);
  FindClose(search);
  if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return kDirectory;
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow);
}

int open_read_descriptor(std::u16string_view path) {
  std::wstring name = wide_name(path);
  HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    errno = is_directory(name) ? EISDIR : errno_from(error);
    return -1;
  }
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
  if (fd < 0) CloseHandle(file);
  return fd;
}

int duplicate_standard_input() {
  int fd = _dup(_fileno(stdin));
  if (fd >= 0) _setmode(fd, _O_BINARY);
  return fd;
}

std::ptrdiff_t read_descriptor(int fd, unsigned char* into, std::size_t count) {
  unsigned int asked = count > INT_MAX ? INT_MAX : static_cast<unsigned int>(count);
  return _read(fd, into, asked);
}

std::int64_t bytes_left_in(int fd) {
  struct _stati64 info {};
  if (_fstati64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) return -1;
  __int64 position = _lseeki64(fd, 0, SEEK_CUR);
  if (position < 0 || position > info.st_size) return -1;
  return static_cast<std::int64_t>(info.st_size - position);
}

void close_descriptor(int fd) { _close(fd); }

}  // namespace ambrel
