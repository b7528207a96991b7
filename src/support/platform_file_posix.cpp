#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
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

// A pipe whose read end turns readable when the stop comes: a wait polls it beside the file.
struct FileWaitStop::Signal {
  std::atomic<bool> stopped{false};
  int wake[2] = {-1, -1};
};

FileWaitStop::FileWaitStop() : signal_(std::make_unique<Signal>()) {
  if (::pipe(signal_->wake) == 0) {
    for (int end : signal_->wake) ::fcntl(end, F_SETFD, FD_CLOEXEC);
  }
}

FileWaitStop::~FileWaitStop() {
  for (int end : signal_->wake) {
    if (end >= 0) ::close(end);
  }
}

void FileWaitStop::stop() {
  if (signal_->stopped.exchange(true) || signal_->wake[1] < 0) return;
  char byte = 1;
  while (::write(signal_->wake[1], &byte, 1) < 0 && errno == EINTR) {}
}

bool FileWaitStop::stopped() const { return signal_->stopped.load(); }

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

// Without O_NONBLOCK, opening a FIFO waits for a writer where no stop can reach it; with it,
// the open returns at once and the reads wait in poll() (Linux reports a FIFO readable only
// once a writer has come, and gone again at its end).
PlatformFile PlatformFile::open_for_reading(const NativePath& path, FileWaitStop& stop) {
  if (stop.stopped()) return PlatformFile(-1, ECANCELED);
  int handle = -1;
  do {
    handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  } while (handle < 0 && errno == EINTR);
  return handle < 0 ? PlatformFile(-1, errno) : PlatformFile(handle, 0, &stop);
}

PlatformFile PlatformFile::standard_input() {
  int handle = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
  return handle < 0 ? PlatformFile(-1, errno) : PlatformFile(handle, 0);
}

PlatformFile::PlatformFile(PlatformFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), error_(other.error_), stop_(other.stop_) {}

PlatformFile& PlatformFile::operator=(PlatformFile&& other) noexcept {
  if (this != &other) {
    if (handle_ >= 0) ::close(handle_);
    handle_ = std::exchange(other.handle_, -1);
    error_ = other.error_;
    stop_ = other.stop_;
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

namespace {

// Waits until `handle` has something to read, or `wake` turns readable; false for the latter.
bool wait_readable(int handle, int wake) {
  pollfd watched[2] = {{handle, POLLIN, 0}, {wake, POLLIN, 0}};
  for (;;) {
    int ready = ::poll(watched, wake >= 0 ? 2 : 1, -1);
    if (ready > 0) return watched[1].revents == 0;
    if (ready < 0 && errno != EINTR) return true;  // the read itself then tells what is wrong
  }
}

}  // namespace

std::ptrdiff_t PlatformFile::read(unsigned char* into, std::size_t size) {
  if (handle_ < 0) {
    error_ = EBADF;
    return -1;
  }
  for (;;) {
    if (stop_ && (stop_->stopped() || !wait_readable(handle_, stop_->signal_->wake[0]))) {
      error_ = ECANCELED;
      return -1;
    }
    ssize_t got = ::read(handle_, into, size);
    if (got >= 0) return got;
    if (errno != EINTR && !(stop_ && (errno == EAGAIN || errno == EWOULDBLOCK))) {
      error_ = errno;
      return -1;
    }
  }
}

}  // namespace ambrel
