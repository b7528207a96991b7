#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "support/platform_file.h"

namespace ambrel {

// The user's on/off choices that outlive a run, by name, kept where the platform keeps a
// program's settings: a file of `name=true|false` lines on POSIX systems, values under a key
// of the user's registry on Windows. Names are ASCII. A store that cannot be read counts as empty,
// so a broken or missing store gives the defaults and never stops the program, nor waits.
//
// POSIX: the file is read only when it is a regular file (a link to one will do), no further
// than its first kMostFileBytes; its lines may end in LF, CR LF or CR, after a UTF-8
// byte-order mark. Its other entries are kept when a choice is written, which goes through
// links to the file they reach, whole or not at all. Windows: a value that is no REG_DWORD of
// 0 or 1 gives the default.
class SettingsStore {
 public:
  // The most of the file read: it holds a handful of lines.
  static constexpr std::size_t kMostFileBytes = 4096;

  // POSIX: the file at `location`; a file that is not read whole, or not at all for another
  // reason than its absence, is told in one line on standard error. Windows: the key
  // HKEY_CURRENT_USER\`location`.
  explicit SettingsStore(NativePath location);

  // Where the program named `program` keeps this user's settings: on POSIX systems
  // $XDG_CONFIG_HOME/program/settings (~/.config when XDG_CONFIG_HOME is unset or not
  // absolute); on Windows Software\program. Empty when no home is known.
  static NativePath user_location(std::string_view program);

  bool flag(std::string_view name, bool fallback) const;
  // Keeps the choice, and the store's other entries; false when it could not be kept (the
  // choice still holds for this run).
  bool set_flag(std::string_view name, bool on);

 private:
  NativePath location_;
};

}  // namespace ambrel
