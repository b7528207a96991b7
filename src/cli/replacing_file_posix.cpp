#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "cli/removal_on_signal.h"
#include "cli/replacing_file.h"

namespace ambrel {

namespace {

// The mode a new file gets: what the target had, or what creating it would give.
mode_t mode_for(const struct stat* existing) {
  if (existing != nullptr) return existing->st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Gives the new file the old one's owner and group where that is permitted (root may give
// it to anyone, others only a group they belong to); false when the group could not be
// kept either. Before the mode, which a change of owner may clear bits of.
bool take_owner_of(int handle, const struct stat& existing) {
  return ::fchown(handle, existing.st_uid, existing.st_gid) == 0 ||
         ::fchown(handle, static_cast<uid_t>(-1), existing.st_gid) == 0;
}

// The folder part of a name, with its final "/"; empty for a name in the current folder.
std::string folder_of(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The descriptor of this process a name stands for (/dev/stdout, /dev/fd/N,
// /proc/self/fd/N and the like); -1 for any other name. Opening such a name would open the
// file behind the descriptor anew, truncating what the shell meant to append to.
int descriptor_named(const std::string& path) {
  for (const auto& [name, descriptor] :
       {std::pair{"/dev/stdin", 0}, std::pair{"/dev/stdout", 1}, std::pair{"/dev/stderr", 2}}) {
    if (path == name) return descriptor;
  }
  const std::string folders[] = {"/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/",
                                 "/proc/" + std::to_string(::getpid()) + "/fd/"};
  for (const std::string& folder : folders) {
    if (path.size() <= folder.size() || path.compare(0, folder.size(), folder) != 0) continue;
    int descriptor = -1;
    const char* end = path.data() + path.size();
    auto [stop, problem] = std::from_chars(path.data() + folder.size(), end, descriptor);
    return problem == std::errc() && stop == end ? descriptor : -1;
  }
  return -1;
}

// Where the output goes: a descriptor of this process, or the file at `path`.
struct OutputTarget {
  int descriptor = -1;
  std::string path;
};

// What the link `path` holds; none when it is no link (or names nothing).
std::optional<std::string> link_content(const std::string& path) {
  // Not by the size the link reports: some file systems report none.
  for (std::size_t size = 256; size <= (1u << 16); size *= 2) {
    std::string content(size, '\0');
    ssize_t length = ::readlink(path.c_str(), content.data(), size);
    if (length <= 0) return std::nullopt;
    if (static_cast<std::size_t>(length) < size) {
      content.resize(static_cast<std::size_t>(length));
      return content;
    }
  }
  return std::nullopt;
}

// Follows links one at a time, so that one to /dev/stdout is seen for what it is. A link
// is written through, not replaced: the file it names, or would name, takes the output.
OutputTarget follow_links(std::string path) {
  constexpr int kMostLinks = 40;  // as the system's own limit; opening a longer chain fails
  for (int links = 0; links < kMostLinks; ++links) {
    int descriptor = descriptor_named(path);
    if (descriptor >= 0) return {descriptor, {}};
    std::optional<std::string> next = link_content(path);
    if (!next) break;
    path = next->front() == '/' ? *next : folder_of(path) + *next;
  }
  return {-1, path};
}

// A stream on a copy of the descriptor, so that closing it leaves the descriptor open;
// null with errno set after a failure.
std::FILE* stream_on_copy_of(int descriptor) {
  int handle = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
  if (handle < 0) return nullptr;
  std::FILE* stream = ::fdopen(handle, "wb");
  if (stream == nullptr) ::close(handle);
  return stream;
}

// An unnamed file in the folder (O_TMPFILE), which no end of the process can leave behind;
// -1 where the system or the file system has none, or its name for linking it in is missing.
int unnamed_file_in(const std::string& folder) {
#ifdef O_TMPFILE
  if (::access("/proc/self/fd", X_OK) != 0) return -1;
  return ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
#else
  static_cast<void>(folder);
  return -1;
#endif
}

}  // namespace

// The file written in the target's place. It has a name only while it must: from the start
// where the system offers no unnamed files, else from the moment it is complete until it
// takes the target's place. While it has one, signals that end the process remove it.
struct ReplacingFile::Temporary {
  std::string folder;  // the target's, with its final "/"; empty for the current folder
  std::string name;    // empty while it has none
  std::optional<RemovalOnSignal> removal;

  // Makes the file as a stream, with the owner, group and mode of the file `existing`
  // describes, or those a new file gets; null with errno set after a failure.
  std::FILE* open(const struct stat* existing) {
    int handle = unnamed_file_in(folder);
    if (handle < 0) handle = make_named();
    if (handle < 0) return nullptr;
    if (existing != nullptr) take_owner_of(handle, *existing);
    std::FILE* stream =
        ::fchmod(handle, mode_for(existing)) == 0 ? ::fdopen(handle, "wb") : nullptr;
    if (stream == nullptr) {
      int error = errno;
      ::close(handle);
      errno = error;
    }
    return stream;
  }

  // Makes a named file as mkstemp does; -1 with errno set after a failure.
  int make_named() {
    std::string pattern = folder + kTemporaryPrefix + "XXXXXX";
    HeldSignals held;
    int handle = ::mkstemp(pattern.data());
    if (handle >= 0) guard(std::move(pattern));
    return handle;
  }

  // Gives the unnamed file `handle` a name; false with errno set after a failure.
  bool name_unnamed(int handle) {
    std::string open_name = "/proc/self/fd/" + std::to_string(handle);
    std::string prefix = folder + kTemporaryPrefix + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string candidate = prefix + std::to_string(attempt);
      HeldSignals held;
      if (::linkat(AT_FDCWD, open_name.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) ==
          0) {
        guard(std::move(candidate));
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }

  void guard(std::string made) {
    name = std::move(made);
    removal.emplace(name);
  }

  // Takes the target's place; false with errno set after a failure.
  bool replace(const std::string& target) {
    if (::rename(name.c_str(), target.c_str()) != 0) return false;
    removal.reset();
    name.clear();
    return true;
  }

  ~Temporary() {
    if (!name.empty()) ::unlink(name.c_str());
  }
};

ReplacingFile::ReplacingFile(const std::string& target) {
  OutputTarget output = follow_links(target);
  if (output.descriptor >= 0) {
    stream_ = stream_on_copy_of(output.descriptor);
    if (stream_ == nullptr) error_ = errno;
    return;
  }
  target_ = output.path;
  struct stat existing {};
  bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode)) {
    stream_ = std::fopen(target_.c_str(), "wb");
    if (stream_ == nullptr) error_ = errno;
    return;
  }
  // Renaming would replace a file its owner made read-only; writing to it would not.
  if (exists && ::access(target_.c_str(), W_OK) != 0) {
    error_ = errno;
    return;
  }
  temporary_ = std::make_unique<Temporary>();
  temporary_->folder = folder_of(target_);
  stream_ = temporary_->open(exists ? &existing : nullptr);
  if (stream_ == nullptr) {
    fail();
    temporary_.reset();
  }
}

ReplacingFile::~ReplacingFile() {
  if (stream_ != nullptr) std::fclose(stream_);
}

bool ReplacingFile::commit() {
  if (stream_ == nullptr) return false;
  if (std::fflush(stream_) != 0 || std::ferror(stream_) != 0) return fail();
  if (temporary_ && ::fsync(::fileno(stream_)) != 0) return fail();
  if (temporary_ && temporary_->name.empty() && !temporary_->name_unnamed(::fileno(stream_)))
    return fail();
  int closed = std::fclose(stream_);
  stream_ = nullptr;
  if (closed != 0) return fail();
  if (!temporary_) return true;
  if (!temporary_->replace(target_)) return fail();
  temporary_.reset();
  return true;
}

}  // namespace ambrel
