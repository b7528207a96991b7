#pragma once

// What the files that make the controls of each gadget family (win32_<family>_controls.cpp)
// share: the commands they report and how they create a child control.

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/backend/backend.h"
#include "ui/backend/win32/win32_text.h"

namespace ambrel {

// The command codes the families' controls report for the user's actions.
inline constexpr int kClickCommand = 0;
inline constexpr int kDoubleClickCommand = 2;
inline constexpr int kChangeCommand = 768;

inline DWORD tab_stop_bit(const ControlStyle& style) { return style.tab_stop ? WS_TABSTOP : 0; }

// A child of `parent` clipped by its siblings, hidden and without size until it is placed.
inline HWND family_child(const wchar_t* window_class, std::u16string_view text, DWORD style,
                         DWORD ex_style, HWND parent, void* data = nullptr) {
  std::wstring caption = to_wide(text);
  return CreateWindowExW(ex_style, window_class, caption.c_str(),
                         WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent, nullptr,
                         GetModuleHandleW(nullptr), data);
}

}  // namespace ambrel
