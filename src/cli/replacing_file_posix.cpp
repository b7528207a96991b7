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

// The last part of a name: what it names in its folder.
std::string last_part_of(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
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

// A folder held open, in which names are then taken: a path as long as the system takes
// is written so, for the temporary file's name beside the target is never a longer path.
class OpenFolder {
 public:
  // The folder `path` (empty: the current one) names from the folder `base` (or AT_FDCWD);
  // error() says why it is not open after a failure.
  OpenFolder(int base, const std::string& path)
      : descriptor_(::openat(base, path.empty() ? "." : path.c_str(),
                             kOnlyForNames | O_DIRECTORY | O_CLOEXEC)),
        error_(descriptor_ < 0 ? errno : 0) {}
  OpenFolder(OpenFolder&& other) noexcept
      : descriptor_(std::exchange(other.descriptor_, -1)), error_(other.error_) {}
  OpenFolder& operator=(OpenFolder&& other) noexcept {
    std::swap(descriptor_, other.descriptor_);
    std::swap(error_, other.error_);
    return *this;
  }
  ~OpenFolder() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }

  bool is_open() const { return descriptor_ >= 0; }
  int descriptor() const { return descriptor_; }
  int error() const { return error_; }

 private:
#ifdef O_PATH
  static constexpr int kOnlyForNames = O_PATH;  // so a folder that cannot be read will do
#else
  static constexpr int kOnlyForNames = O_RDONLY;
#endif
  int descriptor_;
  int error_;  // an errno value; 0 while open
};

// Where the output goes: a descriptor of this process, or the file `name` in `folder`;
// or an errno value when that cannot be known.
struct OutputTarget {
  int error = 0;
  int descriptor = -1;
  std::optional<OpenFolder> folder;
  std::string name;
};

// What the link `name` in `folder` holds; none when it is no link (or names nothing).
std::optional<std::string> link_content(const OpenFolder& folder, const std::string& name) {
  // Not by the size the link reports: some file systems report none.
  for (std::size_t size = 256; size <= (1u << 16); size *= 2) {
    std::string content(size, '\0');
    ssize_t length = ::readlinkat(folder.descriptor(), name.c_str(), content.data(), size);
    if (length <= 0) return std::nullopt;
    if (static_cast<std::size_t>(length) < size) {
      content.resize(static_cast<std::size_t>(length));
      return content;
    }
  }
  return std::nullopt;
}

OutputTarget failed_target(int error) { return {error, -1, std::nullopt, {}}; }

// Follows links one at a time, so that one to /dev/stdout is seen for what it is. A link
// is written through, not replaced: the file it names, or would name, takes the output.
// What the system would not resolve either is refused: a loop, a chain longer than it
// follows (ELOOP), a name of no file in a folder (EISDIR, as the shell's redirection).
OutputTarget follow_links(const std::string& target) {
  constexpr int kMostLinks = 40;  // the system's own limit
  std::string path = target;      // as far as followed, for the names of descriptors
  OpenFolder folder(AT_FDCWD, folder_of(target));
  std::string name = last_part_of(target);
  for (int links = 0;; ++links) {
    if (!folder.is_open()) return failed_target(folder.error());
    if (name.empty()) return failed_target(EISDIR);
    int descriptor = descriptor_named(path);
    if (descriptor >= 0) return {0, descriptor, std::nullopt, {}};
    std::optional<std::string> next = link_content(folder, name);
    if (!next) return {0, -1, std::move(folder), std::move(name)};
    if (links == kMostLinks) return failed_target(ELOOP);
    bool absolute = next->front() == '/';
    path = absolute ? *next : folder_of(path) + *next;
    folder = OpenFolder(absolute ? AT_FDCWD : folder.descriptor(), folder_of(*next));
    name = last_part_of(*next);
  }
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
int unnamed_file_in(const OpenFolder& folder) {
#ifdef O_TMPFILE
  if (::access("/proc/self/fd", X_OK) != 0) return -1;
  return ::openat(folder.descriptor(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
#else
  static_cast<void>(folder);
  return -1;
#endif
}

// The file `name` in the folder, opened to be written from its start as fopen's "wb" does;
// null with errno set after a failure.
std::FILE* written_directly(int folder, const std::string& name) {
  int handle = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (handle < 0) return nullptr;
  std::FILE* stream = ::fdopen(handle, "wb");
  if (stream == nullptr) ::close(handle);
  return stream;
}

}  // namespace

// The file written in the target's place. It has a name only while it must: from the start
// where the system offers no unnamed files, else from the moment it is complete until it
// takes the target's place. While it has one, signals that end the process remove it.
struct ReplacingFile::Temporary {
  explicit Temporary(OpenFolder target_folder) : folder(std::move(target_folder)) {}

  OpenFolder folder;  // the target's
  std::string name;   // in the folder; empty while it has none
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

  // Makes a named file, a new one (as mkstemp does); -1 with errno set after a failure.
  int make_named() {
    int handle = -1;
    make_name_with([this, &handle](const std::string& candidate) {
      handle = ::openat(folder.descriptor(), candidate.c_str(),
                        O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
      return handle >= 0;
    });
    return handle;
  }

  // Gives the unnamed file `handle` a name; false with errno set after a failure.
  bool name_unnamed(int handle) {
    std::string open_name = "/proc/self/fd/" + std::to_string(handle);
    return make_name_with([this, &open_name](const std::string& candidate) {
      return ::linkat(AT_FDCWD, open_name.c_str(), folder.descriptor(), candidate.c_str(),
                      AT_SYMLINK_FOLLOW) == 0;
    });
  }

  // Tries names the process alone makes until `make` makes a file of one (false with errno
  // set once no name is free), and guards the file it made.
  template <typename Make>
  bool make_name_with(Make make) {
    std::string prefix = std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string candidate = prefix + std::to_string(attempt);
      HeldSignals held;
      if (make(candidate)) {
        name = std::move(candidate);
        removal.emplace(folder.descriptor(), name);
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }

  // Takes the place of the file `target` in the folder; false with errno set after a failure.
  bool replace(const std::string& target) {
    if (::renameat(folder.descriptor(), name.c_str(), folder.descriptor(), target.c_str()) != 0)
      return false;
    removal.reset();
    name.clear();
    return true;
  }

  ~Temporary() {
    if (!name.empty()) ::unlinkat(folder.descriptor(), name.c_str(), 0);
  }
};

ReplacingFile::ReplacingFile(const std::string& target) {
  OutputTarget output = follow_links(target);
  if (output.error != 0) {
    error_ = output.error;
    return;
  }
  if (output.descriptor >= 0) {
    stream_ = stream_on_copy_of(output.descriptor);
    if (stream_ == nullptr) error_ = errno;
    return;
  }
  int folder = output.folder->descriptor();
  target_ = output.name;
  struct stat existing {};
  bool exists = ::fstatat(folder, target_.c_str(), &existing, 0) == 0;
  if (exists && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode)) {
    stream_ = written_directly(folder, target_);
    if (stream_ == nullptr) error_ = errno;
    return;
  }
  // Renaming would replace a file its owner made read-only; writing to it would not.
  if (exists && ::faccessat(folder, target_.c_str(), W_OK, 0) != 0) {
    error_ = errno;
    return;
  }
  temporary_.reset(new Temporary(std::move(*output.folder)));
  write_temporary(temporary_->open(exists ? &existing : nullptr));
}

void ReplacingFile::TemporaryRemoval::operator()(Temporary* temporary) const { delete temporary; }

bool ReplacingFile::keep_temporary() {
  int file = ::fileno(stream_);
  return ::fsync(file) == 0 && (!temporary_->name.empty() || temporary_->name_unnamed(file));
}

bool ReplacingFile::put_temporary_in_place() { return temporary_->replace(target_); }

}  // namespace ambrel
