#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "support/settings_store.h"

namespace ambrel {
namespace {

using Entries = std::map<std::string, std::string, std::less<>>;

Entries read_entries(const std::string& path) {
  Entries entries;
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    std::size_t equals = line.find('=');
    if (equals == std::string::npos || line.starts_with('#')) continue;
    entries[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return entries;
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

// Written beside the file and renamed over it, so that a run that stops midway leaves the
// old settings.
bool write_entries(const std::string& path, const Entries& entries) {
  if (!make_folders_of(path)) return false;
  std::string temporary = path + ".new-" + std::to_string(::getpid());
  {
    std::ofstream file(temporary, std::ios::trunc);
    for (const auto& [name, value] : entries) file << name << '=' << value << '\n';
    file.flush();
    if (!file) {
      ::unlink(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace

SettingsStore::SettingsStore(NativePath location) : location_(std::move(location)) {}

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
  Entries entries = read_entries(location_);
  auto entry = entries.find(name);
  if (entry == entries.end()) return fallback;
  if (entry->second == "true") return true;
  if (entry->second == "false") return false;
  return fallback;
}

bool SettingsStore::set_flag(std::string_view name, bool on) {
  if (location_.empty()) return false;
  Entries entries = read_entries(location_);
  entries[std::string(name)] = on ? "true" : "false";
  return write_entries(location_, entries);
}

}  // namespace ambrel
