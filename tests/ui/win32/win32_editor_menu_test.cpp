// An editor's context menu with the program's own items, opened and chosen from as the user
// does it: the edit control's items come first, the program's last with their check marks,
// and choosing one of them is a menu command of the editor's window.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ignoring_sink.h"
#include "backend/win32/win32_backend.h"

namespace ambrel {
namespace {

class MenuSink final : public IgnoringSink {
 public:
  void on_menu_command(NativeHandle window, int item) override {
    commands.emplace_back(window, item);
  }
  std::vector<std::pair<NativeHandle, int>> commands;
};

// What the open menu showed, read from inside its loop, and the keys then pressed on it.
struct ShownMenu {
  std::vector<std::wstring> captions;
  std::vector<bool> checked;
  std::vector<WPARAM> keys;
};
constexpr const wchar_t* kShownMenu = L"ambrel-test-shown-menu";

// A timer of the editor, run inside the menu's own loop.
void CALLBACK read_and_choose(HWND editor, UINT, UINT_PTR timer, DWORD) {
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (!popup || !IsWindowVisible(popup)) return;
  KillTimer(editor, timer);
  auto* shown = static_cast<ShownMenu*>(GetPropW(editor, kShownMenu));
  auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, 0x01E1 /* MN_GETHMENU */, 0, 0));
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t caption[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), caption, 64, MF_BYPOSITION);
    shown->captions.emplace_back(caption);
    shown->checked.push_back(
        (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0);
  }
  for (WPARAM key : shown->keys) PostMessageW(popup, WM_KEYDOWN, key, 0);
}

TEST(Win32EditorMenuTest, TheProgramsItemsFollowTheEditingItemsAndAreMenuCommands) {
  Win32Backend backend;
  MenuSink sink;
  backend.set_sink(&sink);
  WindowRequest window_request;
  window_request.client_size = {400, 300};
  NativeHandle window = backend.create_window(window_request);
  ASSERT_TRUE(window);
  backend.show_window(window, true);
  ControlRequest request;
  request.kind = ControlKind::Editor;
  request.parent = window;
  request.geometry = {10, 10, 300, 200};
  request.text = u"text";
  NativeHandle editor = backend.create_control(request);
  ASSERT_TRUE(editor);
  backend.set_editor_menu_items(editor, {{4, u"Valid identifiers", true}, {9, u"LF line ends"}});

  HWND edit = backend.hwnd(editor);
  ShownMenu menu;
  menu.keys = {VK_UP, VK_RETURN};  // from nothing chosen, Up takes the last item
  SetPropW(edit, kShownMenu, &menu);
  SetTimer(edit, 1, 50, read_and_choose);
  POINT at{20, 20};
  ClientToScreen(edit, &at);
  SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), MAKELPARAM(at.x, at.y));
  RemovePropW(edit, kShownMenu);

  ASSERT_GE(menu.captions.size(), 3u);
  std::size_t last = menu.captions.size() - 1;
  EXPECT_EQ(menu.captions.front(), L"&Undo");
  EXPECT_EQ(menu.captions[last - 1], L"Valid identifiers");
  EXPECT_EQ(menu.captions[last], L"LF line ends");
  EXPECT_TRUE(menu.checked[last - 1]);
  EXPECT_FALSE(menu.checked[last]);
  ASSERT_EQ(sink.commands.size(), 1u);
  EXPECT_EQ(sink.commands[0].first, window);
  EXPECT_EQ(sink.commands[0].second, 9);
}

}  // namespace
}  // namespace ambrel
