#include "backend/win32/win32_dpi.h"

namespace ambrel {

namespace {

// A function of user32 that older systems lack, or null.
template <class Function>
Function user32_function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

using DpiForSystem = UINT(WINAPI*)();
using DpiForWindow = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using MetricsForDpi = int(WINAPI*)(int, UINT);

}  // namespace

int system_dpi() {
  static const auto for_system = user32_function<DpiForSystem>("GetDpiForSystem");
  if (for_system) return static_cast<int>(for_system());
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int window_dpi(HWND window) {
  static const auto for_window = user32_function<DpiForWindow>("GetDpiForWindow");
  int dpi = for_window && window ? static_cast<int>(for_window(window)) : 0;
  return dpi > 0 ? dpi : system_dpi();
}

RECT frame_around(RECT client, DWORD style, DWORD ex_style, int dpi) {
  static const auto adjust = user32_function<AdjustForDpi>("AdjustWindowRectExForDpi");
  if (!adjust || !adjust(&client, style, FALSE, ex_style, static_cast<UINT>(dpi)))
    AdjustWindowRectEx(&client, style, FALSE, ex_style);
  return client;
}

int system_metric(int index, int dpi) {
  static const auto for_dpi = user32_function<MetricsForDpi>("GetSystemMetricsForDpi");
  if (for_dpi) return for_dpi(index, static_cast<UINT>(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, system_dpi());
}

}  // namespace ambrel
