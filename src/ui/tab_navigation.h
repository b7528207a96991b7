#pragma once

// Tab and Shift+Tab inside a window: the focus moves through the enabled, visible tab-stop
// controls in creation order, wrapping around; Tab in a writable editor types a tab, and a
// shortcut field takes both keys as the shortcut.

#include "backend/backend_controls.h"

namespace ambrel {

// True when the key moved the focus (or had nowhere to move it); false when the focused
// control takes the key itself.
bool handle_tab_key(BackendControls& controls, NativeHandle window, bool backward);

}  // namespace ambrel
