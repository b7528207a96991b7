// The clipboard's Unicode text (CF_UNICODETEXT).

#include <cwchar>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_text.h"

namespace ambrel {

namespace {

// Another program may hold the clipboard for a moment.
bool open_clipboard(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

}  // namespace

bool Win32Backend::set_clipboard_text(std::u16string_view text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!memory) return false;
  auto* units = static_cast<wchar_t*>(GlobalLock(memory));
  std::wmemcpy(units, reinterpret_cast<const wchar_t*>(text.data()), text.size());
  units[text.size()] = L'\0';
  GlobalUnlock(memory);
  if (!open_clipboard(wake_window_)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);
  return placed;
}

std::u16string Win32Backend::clipboard_text() const {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !open_clipboard(wake_window_)) return {};
  std::u16string text;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(memory))) {
      std::size_t capacity = GlobalSize(memory) / sizeof(wchar_t);
      text = from_wide({units, wcsnlen(units, capacity)});
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace ambrel
