#include "support/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "support/text_file.h"
#include "support/unicode_text.h"

namespace ambrel {

namespace {

std::string file_system_path(std::u16string_view path) { return utf16_to_utf8(path); }

}  // namespace

std::int64_t file_size(std::u16string_view path) {
  if (path.empty()) return -1;
  while (path.size() > 1 && path.back() == u'/') path.remove_suffix(1);
  struct stat info {};
  if (::stat(file_system_path(path).c_str(), &info) != 0) return -1;
  if (S_ISDIR(info.st_mode)) return -2;
  return static_cast<std::int64_t>(info.st_size);
}

int open_read_descriptor(std::u16string_view path) {
  int fd = ::open(file_system_path(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    int reason = S_ISDIR(info.st_mode) ? EISDIR : errno;
    ::close(fd);
    errno = reason;
    return -1;
  }
  return fd;
}

int duplicate_standard_input() { return ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0); }

std::ptrdiff_t read_descriptor(int fd, unsigned char* into, std::size_t count) {
  for (;;) {
    ssize_t got = ::read(fd, into, count);
    if (got >= 0 || errno != EINTR) return got;
  }
}

std::int64_t bytes_left_in(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  off_t position = ::lseek(fd, 0, SEEK_CUR);
  if (position < 0 || position > info.st_size) return -1;
  return static_cast<std::int64_t>(info.st_size - position);
}

void close_descriptor(int fd) { ::close(fd); }

}  // namespace ambrel
