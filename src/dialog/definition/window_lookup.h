#pragma once

// Which "window" element of a definition an open builds.

#include <string_view>

#include "xml/xml_node.h"

namespace ambrel {

// The document element itself when it is a matching "window", else the first matching
// "window" child of a "dialogs" document element; null when none matches. An empty name
// matches the first window; otherwise the element's first NAME must equal it (any case).
const XmlNode* find_window_element(const XmlNode* document_element, std::u16string_view name);

}  // namespace ambrel
