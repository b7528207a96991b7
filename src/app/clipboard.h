#pragma once

// The platform clipboard's Unicode text.

#include <string>
#include <string_view>

namespace ambrel {

// The clipboard's text; the empty text when it holds none or cannot be read.
std::u16string clipboard_get_text();
// Puts the text on the clipboard; nothing happens when the clipboard cannot be opened.
void clipboard_set_text(std::u16string_view text);

}  // namespace ambrel
