#include "ui/backend/win32/win32_text.h"

namespace ambrel {

std::u16string window_text(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return from_wide(text);
}

std::wstring link_markup(std::u16string_view caption) {
  std::wstring markup = L"<a>";
  for (char16_t unit : caption) {
    if (unit != u'<' && unit != u'>') markup += static_cast<wchar_t>(unit);
  }
  return markup + L"</a>";
}

}  // namespace ambrel
