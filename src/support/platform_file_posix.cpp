#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "support/platform_file.h"
#include "support/unicode_text.h"

namespace ambrel {

namespace {

PathInfo describe(const struct stat& status) {
  if (S_ISDIR(status.st_mode)) return {0, FileKind::Directory, 0};
  if (S_ISREG(status.st_mode))
    return {0, FileKind::Regular, static_cast<std::int64_t>(status.st_size)};
  return {0, FileKind::Stream, 0};
}

std::optional<FileIdentity> identity_of(const struct stat& status) {
  if (!S_ISREG(status.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
}

NativePath without_trailing_slashes(NativePath path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

NativePath native_path(std::u16string_view path) { return utf16_to_utf8(path); }

NativePath native_path_of_argument(const std::string& argument) { return argument; }

PathInfo inspect_path(const NativePath& path) {
  struct stat status {};
  if (::stat(without_trailing_slashes(path).c_str(), &status) != 0)
    return {errno, FileKind::Regular, 0};
  return describe(status);
}

std::optional<FileIdentity> file_on_disk_identity(const NativePath& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return identity_of(status);
}

PlatformFile PlatformFile::open_for_reading(const NativePath& path) {
  int handle = -1;
  do {
    handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  } while (handle < 0 && errno == EINTR);
  return handle < 0 ? PlatformFile(-1, errno) : PlatformFile(handle, 0);
}

PlatformFile PlatformFile::standard_input() {
  int handle = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
  return handle < 0 ? PlatformFile(-1, errno) : PlatformFile(handle, 0);
}

PlatformFile::PlatformFile(PlatformFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), error_(other.error_) {}

PlatformFile& PlatformFile::operator=(PlatformFile&& other) noexcept {
  if (this != &other) {
    if (handle_ >= 0) ::close(handle_);
    handle_ = std::exchange(other.handle_, -1);
    error_ = other.error_;
  }
  return *this;
}

PlatformFile::~PlatformFile() {
  if (handle_ >= 0) ::close(handle_);
}

PathInfo PlatformFile::info() const {
  struct stat status {};
  if (handle_ < 0 || ::fstat(handle_, &status) != 0) return {0, FileKind::Stream, 0};
  return describe(status);
}

std::optional<FileIdentity> PlatformFile::identity() const {
  struct stat status {};
  if (handle_ < 0 || ::fstat(handle_, &status) != 0) return std::nullopt;
  return identity_of(status);
}

std::ptrdiff_t PlatformFile::read(unsigned char* into, std::size_t size) {
  if (handle_ < 0) {
    error_ = EBADF;
    return -1;
  }
  for (;;) {
    ssize_t got = ::read(handle_, into, size);
    if (got >= 0) return got;
    if (errno != EINTR) {
      error_ = errno;
      return -1;
    }
  }
}

}  // namespace ambrel
