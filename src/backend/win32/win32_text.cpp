#include "backend/win32/win32_text.h"

namespace ambrel {

std::u16string window_text(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return from_wide(text);
}

// Captions longer than a path are cut: the tree shows folder names.
std::wstring tree_item_text(HWND tree, HTREEITEM item) {
  wchar_t text[MAX_PATH] = {};
  TVITEMW data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = MAX_PATH;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
  return text;
}

std::wstring link_markup(std::u16string_view caption) {
  std::wstring markup = L"<a>";
  for (char16_t unit : caption) {
    if (unit != u'<' && unit != u'>') markup += static_cast<wchar_t>(unit);
  }
  return markup + L"</a>";
}

std::wstring control_lines(std::u16string_view text, bool& after_cr) {
  if (after_cr && !text.empty() && text.front() == u'\n') text.remove_prefix(1);
  if (!text.empty()) after_cr = text.back() == u'\r';
  std::wstring lines;
  lines.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t unit = text[i];
    if (unit == u'\r' || unit == u'\n') {
      lines += L"\r\n";
      if (unit == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      lines += static_cast<wchar_t>(unit);
    }
  }
  return lines;
}

}  // namespace ambrel
