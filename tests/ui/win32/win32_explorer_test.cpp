// The explorer kinds on Win32 show the file system: the list a folder's entries, folders
// first and hidden ones left out; the tree its subfolders, each branch filled as it opens;
// the combo box the folder's path. An unreadable folder shows nothing.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "command_sink.h"
#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_text.h"

namespace ambrel {
namespace {

std::u16string u16(const std::wstring& text) { return {text.begin(), text.end()}; }

std::vector<std::wstring> list_rows(HWND list) {
  std::vector<std::wstring> rows;
  auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT row = 0; row < count; ++row) {
    std::wstring text(
        static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0)),
        L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    rows.push_back(text);
  }
  return rows;
}

// The names of the items under one (or at the root).
std::vector<std::wstring> tree_level(HWND tree, HTREEITEM under) {
  std::vector<std::wstring> names;
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(
      tree, TVM_GETNEXTITEM, under ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(under)));
  for (; item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                               reinterpret_cast<LPARAM>(item)))) {
    names.push_back(tree_item_text(tree, item));
  }
  return names;
}

HTREEITEM find_item(HWND tree, HTREEITEM under, const std::wstring& name) {
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(
      tree, TVM_GETNEXTITEM, under ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(under)));
  while (item && tree_item_text(tree, item) != name) {
    item = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
  }
  return item;
}

int item_children(HWND tree, HTREEITEM item) {
  TVITEMW data{};
  data.mask = TVIF_CHILDREN;
  data.hItem = item;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
  return data.cChildren;
}

class Win32ExplorerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"ambrel-explorer-" + std::to_wstring(GetCurrentProcessId());
    make_folder(L"");
    make_folder(L"\\beta");
    make_folder(L"\\Alpha");
    make_folder(L"\\Alpha\\inner");
    make_folder(L"\\Alpha\\inner\\deepest");
    make_folder(L"\\empty");
    make_file(L"\\b.xml");
    make_file(L"\\A.txt");
    make_file(L"\\Alpha\\in-alpha.txt");
    make_file(L"\\secret.txt");
    SetFileAttributesW((folder + L"\\secret.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);

    backend.set_sink(&sink);
    WindowRequest request;
    request.client_size = {400, 300};
    window = backend.create_window(request);
    ASSERT_TRUE(window);
  }

  void TearDown() override {
    for (const wchar_t* file :
         {L"\\b.xml", L"\\A.txt", L"\\Alpha\\in-alpha.txt", L"\\secret.txt"}) {
      SetFileAttributesW((folder + file).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW((folder + file).c_str());
    }
    for (const wchar_t* sub :
         {L"\\Alpha\\inner\\deepest", L"\\Alpha\\inner", L"\\Alpha", L"\\beta", L"\\empty", L""}) {
      RemoveDirectoryW((folder + sub).c_str());
    }
  }

  void make_folder(const std::wstring& sub) {
    ASSERT_TRUE(CreateDirectoryW((folder + sub).c_str(), nullptr));
  }
  void make_file(const std::wstring& name) {
    HANDLE file = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }

  HWND add(ControlKind kind, const std::wstring& path) {
    ControlRequest request;
    request.kind = kind;
    request.parent = window;
    request.geometry = {10, 10, 300, 200};
    request.text = u16(path);
    return backend.hwnd(backend.create_control(request));
  }

  std::wstring folder;
  CommandSink sink;
  Win32Backend backend;
  NativeHandle window;
};

TEST_F(Win32ExplorerTest, TheListShowsTheFoldersEntriesFoldersFirst) {
  HWND list = add(ControlKind::ExplorerList, folder);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list_rows(list),
            (std::vector<std::wstring>{L"Alpha", L"beta", L"empty", L"A.txt", L"b.xml"}));
  // A path ending in a separator names the same folder.
  EXPECT_EQ(list_rows(add(ControlKind::ExplorerList, folder + L"\\Alpha\\")),
            (std::vector<std::wstring>{L"inner", L"in-alpha.txt"}));
  EXPECT_TRUE(list_rows(add(ControlKind::ExplorerList, folder + L"\\missing")).empty());
  EXPECT_TRUE(list_rows(add(ControlKind::ExplorerList, folder + L"\\b.xml")).empty());
}

TEST_F(Win32ExplorerTest, TheTreeShowsSubfoldersAndFillsABranchAsItOpens) {
  HWND tree = add(ControlKind::ExplorerTree, folder);
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree_level(tree, nullptr), (std::vector<std::wstring>{L"Alpha", L"beta", L"empty"}));
  HTREEITEM alpha = find_item(tree, nullptr, L"Alpha");
  EXPECT_TRUE(tree_level(tree, alpha).empty());
  EXPECT_EQ(item_children(tree, alpha), 1);  // a button to open it with

  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(alpha));
  EXPECT_EQ(tree_level(tree, alpha), std::vector<std::wstring>{L"inner"});
  HTREEITEM inner = find_item(tree, alpha, L"inner");
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(inner));
  EXPECT_EQ(tree_level(tree, inner), std::vector<std::wstring>{L"deepest"});

  // Opened again, a branch is not filled twice; an empty one loses its button.
  SendMessageW(tree, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(alpha));
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(alpha));
  EXPECT_EQ(tree_level(tree, alpha), std::vector<std::wstring>{L"inner"});
  HTREEITEM empty = find_item(tree, nullptr, L"empty");
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(empty));
  EXPECT_EQ(item_children(tree, empty), 0);
  EXPECT_TRUE(sink.codes.empty());
}

TEST_F(Win32ExplorerTest, TheComboShowsTheFolderAndAnEmptyTextMeansTheHomeFolder) {
  HWND combo = add(ControlKind::ExplorerCombo, folder);
  ASSERT_NE(combo, nullptr);
  wchar_t shown[MAX_PATH] = {};
  GetWindowTextW(combo, shown, MAX_PATH);
  EXPECT_EQ(shown, folder);

  wchar_t home[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableW(L"USERPROFILE", home, MAX_PATH), 0u);
  GetWindowTextW(add(ControlKind::ExplorerCombo, L""), shown, MAX_PATH);
  EXPECT_EQ(lstrcmpiW(shown, home), 0) << shown;
}

}  // namespace
}  // namespace ambrel
