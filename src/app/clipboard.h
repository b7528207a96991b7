#pragma once

// Putting Unicode text on the platform clipboard (a paste reads it through ClipboardPaste).

#include <string>
#include <string_view>

namespace ambrel {

// Puts the text on the clipboard; nothing happens when the clipboard cannot be opened.
void clipboard_set_text(std::u16string_view text);

}  // namespace ambrel
