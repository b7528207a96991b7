#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// The declarations as the walk and the driver are written, step by step: every node's
// path from xml_node_path, keys and marked paths by the index pattern "\[.*?\]" through a
// regular expression, sorted key lists and a structure table keyed by text. Slow on purpose;
// the fast generator must give the same text. Needs the xml library.
std::u16string literal_declarations(std::u16string_view xml_text);

}  // namespace ambrel
