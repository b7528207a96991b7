#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>

#include "support/name_quoting.h"
#include "support/settings_store.h"

namespace ambrel {
namespace {

using Entries = std::map<std::string, std::string, std::less<>>;

// Links followed to reach the file, as the system bounds a chain of them.
constexpr int kMostLinks = 40;

// The file's entries, and why they are not all of them (empty when the file was read whole
// or is missing).
struct Reading {
  Entries entries;
  std::string problem;
};

// Reading may never wait nor take much: a FIFO in the file's place is opened without waiting
// for a writer and refused like any other file that is not on disk, and no more than the
// first SettingsStore::kMostFileBytes are read.
std::string bounded_text(const std::string& path, std::string& problem) {
  int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (file < 0) {
    if (errno != ENOENT) problem = std::strerror(errno);
    return {};
  }
  struct stat info {};
  std::string text;
  if (::fstat(file, &info) != 0) {
    problem = std::strerror(errno);
  } else if (!S_ISREG(info.st_mode)) {
    problem = "not a regular file";
  } else {
    text.resize(SettingsStore::kMostFileBytes + 1);  // one more byte tells a longer file
    std::size_t got = 0;
    while (got < text.size()) {
      ssize_t read = ::read(file, text.data() + got, text.size() - got);
      if (read < 0 && errno == EINTR) continue;
      if (read <= 0) {
        if (read < 0) problem = std::strerror(errno);
        break;
      }
      got += static_cast<std::size_t>(read);
    }
    text.resize(got);
  }
  ::close(file);
  if (!problem.empty()) return {};
  if (text.size() > SettingsStore::kMostFileBytes) {
    problem =
        "longer than " + std::to_string(SettingsStore::kMostFileBytes) + " bytes, read no further";
    text.resize(SettingsStore::kMostFileBytes);
    text.resize(text.find_last_of("\r\n") + 1);  // no line cut short: none, if none ended
  }
  return text;
}

// `name=value` lines ended by LF, CR LF or CR, after an optional UTF-8 byte-order mark, as a
// text editor of any system saves them.
Entries entries_of(std::string_view text) {
  Entries entries;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  while (!text.empty()) {
    std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    std::string_view line = text.substr(0, end);
    std::size_t line_end = text.substr(end).starts_with("\r\n") ? 2 : 1;
    text.remove_prefix(std::min(text.size(), end + line_end));
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || line.starts_with('#')) continue;
    entries[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
  }
  return entries;
}

Reading read_entries(const std::string& path) {
  Reading reading;
  reading.entries = entries_of(bounded_text(path, reading.problem));
  return reading;
}

// The file that `path` reaches through its links, which the settings are written to so that
// a link stays a link (as the shell's redirection writes); a link's missing target is made
// where it points. None when the chain of links is too long or what it reaches is no file
// on disk.
std::optional<std::string> file_reached(std::string path) {
  for (int link = 0; link <= kMostLinks; ++link) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
      return errno == ENOENT ? std::optional(path) : std::nullopt;
    if (S_ISREG(info.st_mode)) return path;
    if (!S_ISLNK(info.st_mode)) return std::nullopt;
    char target[PATH_MAX];
    ssize_t size = ::readlink(path.c_str(), target, sizeof target);
    if (size <= 0 || static_cast<std::size_t>(size) == sizeof target) return std::nullopt;
    std::string next(target, static_cast<std::size_t>(size));
    path = next.starts_with('/') ? next : path.substr(0, path.rfind('/') + 1) + next;
  }
  return std::nullopt;
}

// Each missing folder of `path`'s folder, made private to the user as the XDG folders are.
bool make_folders_of(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    std::string folder = path.substr(0, slash);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

bool write_whole(int file, const std::string& text) {
  std::size_t written = 0;
  while (written < text.size()) {
    ssize_t wrote = ::write(file, text.data() + written, text.size() - written);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    written += static_cast<std::size_t>(wrote);
  }
  return true;
}

// Written beside the file and renamed over it, so that a run that stops midway leaves the
// old settings; the new file keeps the old one's mode.
bool write_entries(const std::string& path, const Entries& entries) {
  std::optional<std::string> target = file_reached(path);
  if (!target || !make_folders_of(*target)) return false;
  std::string text;
  for (const auto& [name, value] : entries) text += name + '=' + value + '\n';
  std::string temporary = *target + ".new-" + std::to_string(::getpid());
  int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (file < 0) return false;
  struct stat old {};
  bool kept = (::stat(target->c_str(), &old) != 0 || ::fchmod(file, old.st_mode & 07777) == 0) &&
              write_whole(file, text);
  kept = ::close(file) == 0 && kept;
  if (kept && std::rename(temporary.c_str(), target->c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace

SettingsStore::SettingsStore(NativePath location) : location_(std::move(location)) {
  if (location_.empty()) return;
  std::string problem = read_entries(location_).problem;
  if (!problem.empty())
    std::fprintf(stderr, "%s: settings file %s: %s\n", program_invocation_short_name,
                 shown_name(location_).c_str(), problem.c_str());
}

NativePath SettingsStore::user_location(std::string_view program) {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config != nullptr && config[0] == '/') {
    folder = config;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    folder = std::string(home) + "/.config";
  } else {
    return {};
  }
  return folder + "/" + std::string(program) + "/settings";
}

bool SettingsStore::flag(std::string_view name, bool fallback) const {
  if (location_.empty()) return fallback;
  Entries entries = read_entries(location_).entries;
  auto entry = entries.find(name);
  if (entry == entries.end()) return fallback;
  if (entry->second == "true") return true;
  if (entry->second == "false") return false;
  return fallback;
}

bool SettingsStore::set_flag(std::string_view name, bool on) {
  if (location_.empty()) return false;
  Reading reading = read_entries(location_);
  reading.entries[std::string(name)] = on ? "true" : "false";
  return write_entries(location_, reading.entries);
}

}  // namespace ambrel
