#pragma once

// UTF-16 text between the ui layer (char16_t) and the Win32 API (wchar_t, 16 bits there).

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

namespace ambrel {

inline std::wstring to_wide(std::u16string_view text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline std::u16string from_wide(std::wstring_view text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

// A window's whole text (a control's caption, a window's title).
std::u16string window_text(HWND hwnd);

// The caption of one item of a tree control.
std::wstring tree_item_text(HWND tree, HTREEITEM item);

// A link control's markup: the caption inside one anchor, without the characters the markup
// would take as its own.
std::wstring link_markup(std::u16string_view caption);

// The text with every lone CR and lone LF as CR LF, the only line end the edit control shows.
// `after_cr` says that the text before this one ended with a CR, whose LF may come first
// here; it is set for the next text.
std::wstring control_lines(std::u16string_view text, bool& after_cr);

}  // namespace ambrel
