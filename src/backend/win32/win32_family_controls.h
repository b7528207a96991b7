#pragma once

// What the files that make the controls of each gadget family (win32_<family>_controls.cpp)
// share: how they create a child control, and the helpers several families use.

#include <windows.h>

#include <string>
#include <string_view>

#include "backend/backend.h"
#include "backend/win32/win32_text.h"

namespace ambrel {

inline DWORD tab_stop_bit(const ControlStyle& style) { return style.tab_stop ? WS_TABSTOP : 0; }

// A child of `parent` clipped by its siblings, hidden and without size until it is placed.
inline HWND family_child(const wchar_t* window_class, std::u16string_view text, DWORD style,
                         DWORD ex_style, HWND parent, void* data = nullptr) {
  std::wstring caption = to_wide(text);
  return CreateWindowExW(ex_style, window_class, caption.c_str(),
                         WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent, nullptr,
                         GetModuleHandleW(nullptr), data);
}

// A window's outer size.
inline Size window_size(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// What the explorer kinds show (win32_explorer.cpp): the folder their text names, or the
// user's home folder; a folder's entries (folders first, then files) in a list box; its
// subfolders in a tree view, each branch filled as it is opened.
std::wstring explorer_folder(std::u16string_view text);
void show_folder_entries(HWND list, const std::wstring& folder);
void show_subfolders(HWND tree, const std::wstring& folder);

}  // namespace ambrel
