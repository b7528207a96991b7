#include <windows.h>

#include <string>

#include "support/settings_store.h"

namespace ambrel {
namespace {

std::wstring wide_name(std::string_view name) { return std::wstring(name.begin(), name.end()); }

}  // namespace

SettingsStore::SettingsStore(NativePath location) : location_(std::move(location)) {}

NativePath SettingsStore::user_location(std::string_view program) {
  return L"Software\\" + wide_name(program);
}

// A value the program did not write (another type, another size, another number) is none.
bool SettingsStore::flag(std::string_view name, bool fallback) const {
  if (location_.empty()) return fallback;
  DWORD type = REG_NONE;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, location_.c_str(), wide_name(name).c_str(),
                   RRF_RT_ANY | RRF_NOEXPAND, &type, &value, &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value || value > 1) {
    return fallback;
  }
  return value == 1;
}

bool SettingsStore::set_flag(std::string_view name, bool on) {
  if (location_.empty()) return false;  // not the root of the user's registry
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, location_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  DWORD value = on ? 1 : 0;
  bool kept = RegSetValueExW(key, wide_name(name).c_str(), 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
  RegCloseKey(key);
  return kept;
}

}  // namespace ambrel
