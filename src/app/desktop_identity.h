#pragma once

// Ties the tool's windows to its installed desktop entry and gives them the application icon.

namespace ambrel {

// The desktop entry's base name; also the icon's name in the icon theme.
inline constexpr const char* kDesktopId = "org.ambrel.Ambrel";

// Call once the Qt application object exists and before the first window opens.
void apply_desktop_identity();

}  // namespace ambrel
