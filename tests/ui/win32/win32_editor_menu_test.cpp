// An editor's context menu, opened and chosen from as the user does it: the editing items
// come first, the program's last with their check marks, and choosing one of them is a menu
// command of the editor's window; its Paste, as Ctrl+V, is the ui layer's.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
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
// Above the editor's own timers.
constexpr UINT_PTR kMenuTimer = 0x7000;

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

// A window with an editor holding "text", on the real backend.
struct EditorWindow {
  explicit EditorWindow(BackendSink& sink) {
    backend.set_sink(&sink);
    WindowRequest window_request;
    window_request.client_size = {400, 300};
    window = backend.create_window(window_request);
    backend.show_window(window, true);
    ControlRequest request;
    request.kind = ControlKind::Editor;
    request.parent = window;
    request.geometry = {10, 10, 300, 200};
    request.text = u"text";
    editor = backend.create_control(request);
  }
  HWND edit() const { return backend.hwnd(editor); }

  Win32Backend backend;
  NativeHandle window;
  NativeHandle editor;
};

// Opens the editor's menu as a right click does and presses `keys` on it.
ShownMenu open_menu(HWND edit, std::vector<WPARAM> keys) {
  ShownMenu menu;
  menu.keys = std::move(keys);
  SetPropW(edit, kShownMenu, &menu);
  SetTimer(edit, kMenuTimer, 50, read_and_choose);
  POINT at{20, 20};
  ClientToScreen(edit, &at);
  SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), MAKELPARAM(at.x, at.y));
  RemovePropW(edit, kShownMenu);
  return menu;
}

TEST(Win32EditorMenuTest, TheProgramsItemsFollowTheEditingItemsAndAreMenuCommands) {
  MenuSink sink;
  EditorWindow shown(sink);
  ASSERT_TRUE(shown.editor);
  shown.backend.set_editor_menu_items(shown.editor,
                                      {{4, u"Valid identifiers", true}, {9, u"LF line ends"}});

  // From nothing chosen, Up takes the last item.
  ShownMenu menu = open_menu(shown.edit(), {VK_UP, VK_RETURN});

  ASSERT_GE(menu.captions.size(), 3u);
  std::size_t last = menu.captions.size() - 1;
  EXPECT_EQ(menu.captions.front(), L"&Undo");
  EXPECT_EQ(menu.captions[last - 1], L"Valid identifiers");
  EXPECT_EQ(menu.captions[last], L"LF line ends");
  EXPECT_TRUE(menu.checked[last - 1]);
  EXPECT_FALSE(menu.checked[last]);
  ASSERT_EQ(sink.commands.size(), 1u);
  EXPECT_EQ(sink.commands[0].first, shown.window);
  EXPECT_EQ(sink.commands[0].second, 9);
}

class PasteSink final : public IgnoringSink {
 public:
  bool on_editor_paste(NativeHandle editor) override {
    pastes.push_back(editor);
    return true;
  }
  std::vector<NativeHandle> pastes;
};

void hold_control_key(bool down) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

// Ctrl+V and the menu's Paste both go to the ui layer, which reads the clipboard whole or not
// at all: the editor's own paste never runs, and the key types no control character.
TEST(Win32EditorMenuTest, CtrlVAndTheMenusPasteGoThroughTheUiLayer) {
  PasteSink sink;
  EditorWindow shown(sink);
  ASSERT_TRUE(shown.editor);
  ASSERT_TRUE(shown.backend.set_clipboard_text(u"pasted"));
  hold_control_key(true);
  SendMessageW(shown.edit(), WM_KEYDOWN, 'V', 0);
  SendMessageW(shown.edit(), WM_CHAR, 0x16, 0);
  hold_control_key(false);
  ShownMenu menu = open_menu(shown.edit(), {'P'});
  EXPECT_NE(std::find(menu.captions.begin(), menu.captions.end(), L"&Paste"), menu.captions.end());
  EXPECT_EQ(sink.pastes, (std::vector<NativeHandle>{shown.editor, shown.editor}));
  EXPECT_EQ(shown.backend.control_text(shown.editor), u"text");
}

}  // namespace
}  // namespace ambrel
