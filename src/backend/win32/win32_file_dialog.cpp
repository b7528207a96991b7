// The modal open-file dialog (GetOpenFileNameW). The dialog disables only its owner, so the
// program's other windows are disabled here for as long as it is open.

#include <windows.h>
#include <commdlg.h>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_text.h"

namespace ambrel {

namespace {

// Description and pattern pairs, each ended by a NUL, the list by one more.
std::wstring filter_pairs(const std::vector<FileFilter>& filters) {
  std::wstring pairs;
  for (const FileFilter& filter : filters) {
    pairs += to_wide(filter.description);
    pairs += L'\0';
    pairs += to_wide(filter.pattern);
    pairs += L'\0';
  }
  pairs += L'\0';
  return pairs;
}

// Room for long paths (the \\?\ form reaches 32767 units).
constexpr std::size_t kPathRoom = 32768;

}  // namespace

std::u16string Win32Backend::ask_open_file(const OpenFileRequest& request) {
  HWND owner = GetActiveWindow();
  if (!handle_of(owner)) owner = nullptr;
  std::vector<HWND> disabled;
  for (auto& [number, window] : windows_) {
    if (window.hwnd != owner && IsWindowEnabled(window.hwnd)) {
      EnableWindow(window.hwnd, FALSE);
      disabled.push_back(window.hwnd);
    }
  }
  std::wstring path(kPathRoom, L'\0');
  std::wstring proposed = to_wide(request.proposed_name).substr(0, kPathRoom - 1);
  std::copy(proposed.begin(), proposed.end(), path.begin());
  std::wstring filters = filter_pairs(request.filters);
  std::wstring title = to_wide(request.title);
  std::wstring directory = to_wide(request.initial_directory);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(request.selected_filter + 1);
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
  dialog.Flags =
      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  bool chosen = GetOpenFileNameW(&dialog) != 0;
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  if (!chosen) return {};
  return from_wide(std::wstring_view(path.c_str()));
}

}  // namespace ambrel
