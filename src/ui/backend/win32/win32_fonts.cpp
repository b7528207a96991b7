#include "ui/backend/win32/win32_fonts.h"

#include <cwchar>

namespace ambrel {

namespace {

LOGFONTW message_font() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    return metrics.lfMessageFont;
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  return font;
}

}  // namespace

Win32Fonts::Win32Fonts() {
  LOGFONTW font = message_font();
  gui_ = CreateFontIndirectW(&font);
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::wcsncpy(font.lfFaceName, L"Consolas", LF_FACESIZE - 1);
  fixed_ = CreateFontIndirectW(&font);
}

Win32Fonts::~Win32Fonts() {
  if (gui_) DeleteObject(gui_);
  if (fixed_) DeleteObject(fixed_);
}

}  // namespace ambrel
