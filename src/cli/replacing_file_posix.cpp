#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

// A link is written through, not replaced: the file it names takes the output. A
// dangling link gives an empty name, and that file is then made by writing through it.
std::string through_links(const std::string& target) {
  struct stat link {};
  if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return target;
  char* resolved = ::realpath(target.c_str(), nullptr);
  if (resolved == nullptr) return {};
  std::string name = resolved;
  std::free(resolved);
  return name;
}

// The folder part of a name, with its final "/"; empty for a name in the current folder.
std::string folder_of(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& target) : target_(through_links(target)) {
  struct stat existing {};
  bool exists = ::stat(target.c_str(), &existing) == 0;
  if (target_.empty() || (exists && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode))) {
    target_ = target;
    stream_ = std::fopen(target.c_str(), "wb");
    if (stream_ == nullptr) error_ = errno;
    return;
  }
  // Renaming would replace a file its owner made read-only; writing to it would not.
  if (exists && ::access(target_.c_str(), W_OK) != 0) {
    error_ = errno;
    return;
  }
  std::string pattern = folder_of(target_) + kTemporaryPrefix + "XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int handle = ::mkstemp(name.data());
  if (handle < 0) {
    error_ = errno;
    return;
  }
  temporary_ = name.data();
  if (exists) take_owner_of(handle, existing);
  if (::fchmod(handle, mode_for(exists ? &existing : nullptr)) != 0 ||
      (stream_ = ::fdopen(handle, "wb")) == nullptr) {
    error_ = errno;
    ::close(handle);
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
}

ReplacingFile::~ReplacingFile() {
  if (stream_ != nullptr) std::fclose(stream_);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool ReplacingFile::commit() {
  if (stream_ == nullptr) return false;
  if (std::fflush(stream_) != 0 || std::ferror(stream_) != 0) return fail();
  if (!temporary_.empty() && ::fsync(::fileno(stream_)) != 0) return fail();
  int closed = std::fclose(stream_);
  stream_ = nullptr;
  if (closed != 0) return fail();
  if (temporary_.empty()) return true;
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return fail();
  temporary_.clear();
  return true;
}

}  // namespace ambrel
