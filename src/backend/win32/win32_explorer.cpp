// What the explorer kinds show of the file system: the list a folder's entries (folders
// first, then files, each by name), the tree the folder's subfolders with branches filled
// as they are opened, the combo box the folder's path. The folder is the one the text
// names, or the user's home folder. Hidden entries are left out, as the other platforms'
// file views leave them out.

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_family_controls.h"
#include "backend/win32/win32_text.h"

namespace ambrel {

namespace {

// A tree item whose branch has been filled carries this in its lParam.
constexpr LPARAM kBranchFilled = 1;

struct FolderEntry {
  std::wstring name;
  bool folder = false;
};

bool by_kind_then_name(const FolderEntry& a, const FolderEntry& b) {
  if (a.folder != b.folder) return a.folder;
  return CompareStringOrdinal(a.name.c_str(), -1, b.name.c_str(), -1, TRUE) == CSTR_LESS_THAN;
}

// Nothing when the folder cannot be read.
std::vector<FolderEntry> folder_entries(const std::wstring& folder, bool folders_only) {
  std::vector<FolderEntry> entries;
  std::wstring pattern = folder;
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found{};
  HANDLE search =
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    std::wstring name = found.cFileName;
    bool folder_entry = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (name == L"." || name == L".." || (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0)
      continue;
    if (folders_only && !folder_entry) continue;
    entries.push_back({std::move(name), folder_entry});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(entries.begin(), entries.end(), by_kind_then_name);
  return entries;
}

std::wstring home_folder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, path)))
    return L"C:\\";
  return path;
}

std::wstring joined(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty() || folder.back() == L'\\' || folder.back() == L'/') return folder + name;
  return folder + L'\\' + name;
}

// Subfolders under a tree item (or at the root), each shown with a button until it is
// opened and found empty.
void add_subfolders(HWND tree, HTREEITEM under, const std::wstring& folder) {
  for (FolderEntry& entry : folder_entries(folder, true)) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = under;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_PARAM;
    insert.item.pszText = entry.name.data();
    insert.item.cChildren = 1;
    SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
  }
}

// The folder a tree item stands for: the tree's folder and the names down to the item.
std::wstring item_folder(HWND tree, HTREEITEM item, const std::wstring& root) {
  std::vector<std::wstring> names;
  for (; item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_PARENT,
                                                               reinterpret_cast<LPARAM>(item)))) {
    names.push_back(tree_item_text(tree, item));
  }
  std::wstring folder = root;
  for (auto name = names.rbegin(); name != names.rend(); ++name) folder = joined(folder, *name);
  return folder;
}

void fill_branch(HWND tree, const NMTREEVIEWW& change, const std::wstring& root) {
  if (change.itemNew.lParam == kBranchFilled) return;
  HTREEITEM item = change.itemNew.hItem;
  add_subfolders(tree, item, item_folder(tree, item, root));
  TVITEMW data{};
  data.mask = TVIF_PARAM | TVIF_CHILDREN;
  data.hItem = item;
  data.lParam = kBranchFilled;
  data.cChildren =
      SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)) != 0 ? 1 : 0;
  SendMessageW(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&data));
}

}  // namespace

std::wstring explorer_folder(std::u16string_view text) {
  return text.empty() ? home_folder() : to_wide(text);
}

void show_folder_entries(HWND list, const std::wstring& folder) {
  for (const FolderEntry& entry : folder_entries(folder, false)) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
  }
}

void show_subfolders(HWND tree, const std::wstring& folder) {
  add_subfolders(tree, TVI_ROOT, folder);
}

bool Win32Backend::explorer_notification(UINT message, LPARAM lparam) {
  if (message != WM_NOTIFY) return false;
  const auto* header = reinterpret_cast<const NMHDR*>(lparam);
  if (header->code != TVN_ITEMEXPANDINGW) return false;
  auto it = handles_.find(header->hwndFrom);
  if (it == handles_.end() || tree_.kind(it->second) != ControlKind::ExplorerTree) return false;
  const auto* change = reinterpret_cast<const NMTREEVIEWW*>(lparam);
  const auto* shown = kind_state<ExplorerFolder>(*find_control(it->second));
  if (change->action == TVE_EXPAND && shown) fill_branch(header->hwndFrom, *change, shown->folder);
  return true;  // the branch opens (the answer to the notification is 0)
}

}  // namespace ambrel
