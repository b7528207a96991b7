#pragma once

// What screen readers see of a panel's tab strip: a page tab list whose children are its
// tabs (each a page tab named by its text, selected when current, pressed to choose it)
// and then its two scroll buttons, as Qt shows its own tab bar.

namespace ambrel {

// For every strip made: Qt forgets its factories when the application object goes, and
// installs one only once however often it is asked.
void install_panel_tab_accessibility();

}  // namespace ambrel
