#pragma once

// A panel's tabs: our own window class in place of the common tab control, whose insertion
// lays out every tab again (so a panel of n tabs took time in n squared). Each tab is
// measured once, when it comes or when the font changes; drawing and hit-testing walk only
// the tabs on view.
//
// The strip answers the tab control's messages the backend sends, with their meaning:
// TCM_INSERTITEMW (text only), TCM_GETITEMCOUNT, TCM_GETCURSEL, TCM_SETCURSEL,
// TCM_GETITEMRECT, TCM_ADJUSTRECT, WM_SETFONT and WM_GETFONT. A change by the user is told
// to the parent as the tab control tells it, TCN_SELCHANGING then TCN_SELCHANGE. The tabs
// lie in one row over the page; arrows at the row's end scroll it when they do not all fit.
// Keys when it has the focus: the arrows, Home and End; Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+Page Down and Ctrl+Page Up go round.

#include <windows.h>

namespace ambrel {

inline constexpr const wchar_t* kTabStripClass = L"AmbrelTabStrip";

// Registers the class once per process; false when it cannot be registered.
bool register_tab_strip_class();

// The strip that `hwnd` is or lies on (a control on one of its pages), or null.
HWND enclosing_tab_strip(HWND hwnd);

}  // namespace ambrel
