#pragma once

#include <string>
#include <string_view>

#include "support/platform_file.h"

namespace ambrel {

// The user's on/off choices that outlive a run, by name, kept where the platform keeps a
// program's settings: a file of `name=true|false` lines on POSIX systems, values under a key
// of the user's registry on Windows. Names are ASCII. A store that cannot be read counts as empty,
// so a broken or missing store gives the defaults and never stops the program.
class SettingsStore {
 public:
  // POSIX: the file at `location`. Windows: the key HKEY_CURRENT_USER\`location`.
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
