#include <windows.h>
#include <windowsx.h>

#include <Scintilla.h>

#include <vector>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_editor.h"
#include "backend/win32/win32_text.h"

// An editor's context menu is ours: Scintilla's cannot be added to, and its Paste would read
// the clipboard past the ui layer. Ours has the editing items, then the program's, if any.

namespace ambrel {
namespace {

// The editing items: their command is the message that does the editing.
struct EditingItem {
  const wchar_t* caption;
  UINT message;
};
constexpr EditingItem kEditingItems[] = {
    {L"&Undo", WM_UNDO},   {nullptr, 0},
    {L"Cu&t", WM_CUT},     {L"&Copy", WM_COPY},
    {L"&Paste", WM_PASTE}, {L"&Delete", WM_CLEAR},
    {nullptr, 0},          {L"Select &All", SCI_SELECTALL},
};
// The program's items have commands from here on, above every editing message.
constexpr UINT kFirstOwnCommand = 0x8000;

bool editing_item_enabled(HWND editor, UINT message) {
  bool writable = !editor_read_only(editor);
  bool selected = SendMessageW(editor, SCI_GETSELECTIONEMPTY, 0, 0) == 0;
  switch (message) {
    case WM_UNDO:
      return writable && SendMessageW(editor, EM_CANUNDO, 0, 0) != 0;
    case WM_CUT:
    case WM_CLEAR:
      return writable && selected;
    case WM_COPY:
      return selected;
    case WM_PASTE:
      return writable && IsClipboardFormatAvailable(CF_UNICODETEXT);
    case SCI_SELECTALL:
      return SendMessageW(editor, SCI_GETLENGTH, 0, 0) > 0;
  }
  return false;
}

void add_editing_items(HMENU menu, HWND editor) {
  for (const EditingItem& item : kEditingItems) {
    if (item.caption == nullptr) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT enabled = editing_item_enabled(editor, item.message) ? MF_ENABLED : MF_GRAYED;
    AppendMenuW(menu, MF_STRING | enabled, item.message, item.caption);
  }
}

// Where the menu opens: at the pointer, or for the keyboard's menu key (-1, -1) at the
// editor's top left corner.
POINT menu_position(HWND editor, LPARAM position) {
  POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  if (at.x == -1 && at.y == -1) {
    at = POINT{0, 0};
    ClientToScreen(editor, &at);
  }
  return at;
}

}  // namespace

void Win32Backend::set_editor_menu_items(NativeHandle handle, std::vector<EditorMenuItem> items) {
  Win32ControlRecord* control = find_control(handle);
  if (auto* editor = control ? kind_state<EditorState>(*control) : nullptr)
    editor->menu_items = std::move(items);
}

bool Win32Backend::show_editor_menu(HWND hwnd, LPARAM position) {
  NativeHandle handle = handle_of(hwnd);
  const Win32ControlRecord* control = find_control(handle);
  const auto* editor = control ? kind_state<EditorState>(*control) : nullptr;
  if (!editor) return false;
  HMENU menu = CreatePopupMenu();
  if (!menu) return false;
  add_editing_items(menu, hwnd);
  if (!editor->menu_items.empty()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  std::vector<int> numbers;
  for (const EditorMenuItem& item : editor->menu_items) {
    UINT checked = item.checked ? MF_CHECKED : MF_UNCHECKED;
    AppendMenuW(menu, MF_STRING | checked, kFirstOwnCommand + numbers.size(),
                to_wide(item.caption).c_str());
    numbers.push_back(item.number);
  }
  POINT at = menu_position(hwnd, position);
  auto command = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, hwnd, nullptr));
  DestroyMenu(menu);
  // The menu's loop runs messages: the editor may have gone meanwhile.
  if (command == 0 || !find_control(handle)) return true;
  if (command < kFirstOwnCommand) {
    SendMessageW(hwnd, command, 0, 0);
  } else if (sink_ && command - kFirstOwnCommand < numbers.size()) {
    sink_->on_menu_command(control_window(handle), numbers[command - kFirstOwnCommand]);
  }
  return true;
}

}  // namespace ambrel
