// Windows: names are UTF-16 and go to the wide API unchanged, so any character works
// whatever the ANSI code page; handles are the C runtime's descriptors, in binary mode.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <mutex>
#include <utility>

#include "support/platform_file.h"
#include "support/unicode_text.h"

namespace ambrel {

namespace {

PathInfo missing() { return {ENOENT, FileKind::Regular, 0}; }
PathInfo directory() { return {0, FileKind::Directory, 0}; }

bool is_separator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The name as the wide API takes it. Names of MAX_PATH characters or more are given the
// "\\?\" form, which lifts the limit for absolute names (that form takes no "/").
std::wstring wide_name(const NativePath& path) {
  if (path.size() < MAX_PATH) return path;
  std::wstring name = path;
  for (wchar_t& c : name) {
    if (c == L'/') c = L'\\';
  }
  bool drive_absolute = name.size() > 2 && name[1] == L':' && name[2] == L'\\';
  bool share = name.starts_with(L"\\\\") && !name.starts_with(L"\\\\?\\");
  if (drive_absolute) return L"\\\\?\\" + name;
  if (share) return L"\\\\?\\UNC\\" + name.substr(2);
  return name;
}

bool names_existing_drive(const std::wstring& name) {
  return GetDriveTypeW(name.c_str()) > DRIVE_NO_ROOT_DIR;
}

// "C:" and "C:\" name a drive's root, which FindFirstFileW cannot look up.
bool is_drive_root(const NativePath& path) {
  return (path.size() == 2 || path.size() == 3) && path[1] == L':';
}

PathInfo inspect_drive_root(NativePath root) {
  if (root.size() == 2) root += L'\\';
  return names_existing_drive(root) ? directory() : missing();
}

// Shares ("\\server\share") and ".." are not found by FindFirstFileW but are folders.
PathInfo inspect_unfound(const NativePath& path) {
  if (!path.starts_with(L"\\\\") && !path.starts_with(L"..")) return missing();
  std::wstring name = wide_name(path);
  DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? directory() : missing();
  }
  return names_existing_drive(name) ? directory() : missing();
}

int errno_from(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EACCES;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    default:
      return EIO;
  }
}

bool is_directory(const std::wstring& name) {
  DWORD attributes = GetFileAttributesW(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<FileIdentity> identity_of(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION about{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &about) ||
      (about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  return FileIdentity{
      about.dwVolumeSerialNumber,
      (static_cast<std::uint64_t>(about.nFileIndexHigh) << 32) | about.nFileIndexLow};
}

}  // namespace

// Windows opens a named pipe without waiting; a read that waits for its writer is cancelled
// in the thread that waits, whose handle the read leaves here meanwhile.
struct FileWaitStop::Signal {
  std::atomic<bool> stopped{false};
  std::mutex mutex;
  HANDLE reader = nullptr;
};

FileWaitStop::FileWaitStop() : signal_(std::make_unique<Signal>()) {}

FileWaitStop::~FileWaitStop() = default;

// A read may be about to begin when the stop comes, which leaves nothing to cancel yet: the
// cancel is tried again until the read has begun or has ended.
void FileWaitStop::stop() {
  signal_->stopped.store(true);
  for (;;) {
    {
      std::lock_guard lock(signal_->mutex);
      if (signal_->reader == nullptr || CancelSynchronousIo(signal_->reader)) return;
    }
    Sleep(1);
  }
}

bool FileWaitStop::stopped() const { return signal_->stopped.load(); }

NativePath native_path(std::u16string_view path) { return {path.begin(), path.end()}; }

NativePath native_path_of_argument(const std::string& argument) {
  return native_path(utf8_to_utf16(argument));
}

PathInfo inspect_path(const NativePath& path) {
  if (path.empty()) return missing();
  if (is_drive_root(path)) return inspect_drive_root(path);
  NativePath trimmed = path;
  while (!trimmed.empty() && is_separator(trimmed.back())) trimmed.pop_back();
  if (trimmed.empty()) return missing();
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(wide_name(trimmed).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return inspect_unfound(trimmed);
  FindClose(search);
  if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return directory();
  auto size = static_cast<std::int64_t>((static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) |
                                        found.nFileSizeLow);
  return {0, FileKind::Regular, size};
}

std::optional<FileIdentity> file_on_disk_identity(const NativePath& path) {
  // No access asked: only the file's information is read, whoever holds it.
  HANDLE file = CreateFileW(wide_name(path).c_str(), 0,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<FileIdentity> identity = identity_of(file);
  CloseHandle(file);
  return identity;
}

PlatformFile PlatformFile::open_for_reading(const NativePath& path) {
  std::wstring name = wide_name(path);
  HANDLE file = CreateFileW(name.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    return PlatformFile(-1, is_directory(name) ? EISDIR : errno_from(error));
  }
  int handle = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
  if (handle < 0) {
    CloseHandle(file);
    return PlatformFile(-1, EMFILE);
  }
  return PlatformFile(handle, 0);
}

PlatformFile PlatformFile::open_for_reading(const NativePath& path, FileWaitStop& stop) {
  if (stop.stopped()) return PlatformFile(-1, ECANCELED);
  PlatformFile file = open_for_reading(path);
  file.stop_ = &stop;
  return file;
}

PlatformFile PlatformFile::standard_input() {
  int handle = _dup(_fileno(stdin));
  if (handle < 0) return PlatformFile(-1, errno);
  _setmode(handle, _O_BINARY);
  return PlatformFile(handle, 0);
}

PlatformFile::PlatformFile(PlatformFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), error_(other.error_), stop_(other.stop_) {}

PlatformFile& PlatformFile::operator=(PlatformFile&& other) noexcept {
  if (this != &other) {
    if (handle_ >= 0) _close(handle_);
    handle_ = std::exchange(other.handle_, -1);
    error_ = other.error_;
    stop_ = other.stop_;
  }
  return *this;
}

PlatformFile::~PlatformFile() {
  if (handle_ >= 0) _close(handle_);
}

PathInfo PlatformFile::info() const {
  struct _stati64 status {};
  if (handle_ < 0 || _fstati64(handle_, &status) != 0) return {0, FileKind::Stream, 0};
  switch (status.st_mode & _S_IFMT) {
    case _S_IFREG:
      return {0, FileKind::Regular, static_cast<std::int64_t>(status.st_size)};
    case _S_IFDIR:
      return directory();
    default:
      return {0, FileKind::Stream, 0};  // pipes and character devices
  }
}

std::optional<FileIdentity> PlatformFile::identity() const {
  if (handle_ < 0) return std::nullopt;
  return identity_of(reinterpret_cast<HANDLE>(_get_osfhandle(handle_)));
}

std::ptrdiff_t PlatformFile::read(unsigned char* into, std::size_t size) {
  if (handle_ < 0) {
    error_ = EBADF;
    return -1;
  }
  unsigned int asked = size > INT_MAX ? INT_MAX : static_cast<unsigned int>(size);
  if (!stop_) {
    int got = _read(handle_, into, asked);
    if (got < 0) error_ = errno;
    return got;
  }
  FileWaitStop::Signal& signal = *stop_->signal_;
  HANDLE self = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &self,
                  THREAD_TERMINATE, FALSE, 0);
  {
    std::lock_guard lock(signal.mutex);
    signal.reader = self;
  }
  int got = signal.stopped.load() ? -1 : _read(handle_, into, asked);
  int read_error = errno;
  {
    std::lock_guard lock(signal.mutex);
    signal.reader = nullptr;
  }
  if (self != nullptr) CloseHandle(self);
  if (got < 0) error_ = signal.stopped.load() ? ECANCELED : read_error;
  return got;
}

}  // namespace ambrel
