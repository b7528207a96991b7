#pragma once

// Our own window classes: the top-level window, the container (also a panel's page and a
// scroll area's inner area), the scroll area, the splitter and the hidden window posted
// tasks wake. Each
// window keeps its backend in GWLP_USERDATA, handed over through CreateWindowExW's last
// argument.

#include <windows.h>

namespace ambrel {

class Win32Backend;

inline constexpr const wchar_t* kTopLevelClass = L"AmbrelWindow";
inline constexpr const wchar_t* kContainerClass = L"AmbrelContainer";
inline constexpr const wchar_t* kSplitterClass = L"AmbrelSplitter";
inline constexpr const wchar_t* kScrollAreaClass = L"AmbrelScrollArea";
inline constexpr const wchar_t* kWakeClass = L"AmbrelWake";

// Registers the classes once per process (and the tab strip's, win32_tab_strip.h); false when one
// cannot be registered.
bool register_window_classes();

// The subclass every control gets: its focus changes and the painting of its border go to
// the backend.
void subclass_control(HWND control, Win32Backend& backend);

}  // namespace ambrel
