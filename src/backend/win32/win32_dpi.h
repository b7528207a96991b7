#pragma once

// The screen density a window is drawn at, and the system's figures that depend on it. The
// calls that answer per window came with Windows 10; on earlier systems every window has
// the system's density, and these answer with that.

#include <windows.h>

namespace ambrel {

int system_dpi();
int window_dpi(HWND window);

// The frame around a client area of `client` pixels for the styles, at `dpi`.
RECT frame_around(RECT client, DWORD style, DWORD ex_style, int dpi);

// GetSystemMetrics' figure `index` at `dpi`.
int system_metric(int index, int dpi);

}  // namespace ambrel
