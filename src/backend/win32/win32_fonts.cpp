#include "backend/win32/win32_fonts.h"

#include <cwchar>

#include "backend/win32/win32_dpi.h"

namespace ambrel {

namespace {

// The desktop's message font, at the system's density.
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

Win32Fonts::Win32Fonts() : message_font_(message_font()), message_font_dpi_(system_dpi()) {}

Win32Fonts::~Win32Fonts() {
  for (auto& [dpi, pair] : fonts_) {
    if (pair.gui) DeleteObject(pair.gui);
    if (pair.fixed) DeleteObject(pair.fixed);
  }
}

Win32Fonts::Pair& Win32Fonts::at(int dpi) {
  auto [it, made] = fonts_.try_emplace(dpi);
  if (!made) return it->second;
  LOGFONTW font = message_font_;
  font.lfHeight = MulDiv(font.lfHeight, dpi, message_font_dpi_);
  font.lfWidth = MulDiv(font.lfWidth, dpi, message_font_dpi_);
  it->second.gui = CreateFontIndirectW(&font);
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::wcsncpy(font.lfFaceName, L"Consolas", LF_FACESIZE - 1);
  it->second.fixed = CreateFontIndirectW(&font);
  return it->second;
}

}  // namespace ambrel
