#pragma once

#include <string_view>

namespace ambrel {

// The dialog definition of the main window: root "dialogs" holding the window "wndMain".
// The text lives for the whole run.
std::u16string_view embedded_dialog_definition();

}  // namespace ambrel
