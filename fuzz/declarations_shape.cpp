#include "declarations_shape.h"

#include <cstddef>

namespace ambrel {

namespace {

bool starts_with(std::u16string_view line, std::u16string_view prefix) {
  return line.substr(0, prefix.size()) == prefix;
}

}  // namespace

const char* declarations_shape_fault(std::u16string_view text, std::u16string_view top_name) {
  if (text.empty()) return nullptr;
  bool inside = false;
  std::u16string_view last_structure;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u"\r\n", start);
    if (end == std::u16string_view::npos) return "a line without CR LF";
    std::u16string_view line = text.substr(start, end - start);
    start = end + 2;
    if (line.find_first_of(u"\r\n") != std::u16string_view::npos) return "a lone CR or LF";
    if (inside) {
      if (line == u"EndStructure") {
        inside = false;
      } else if (line.empty() || line[0] != u'\t') {
        return "a field line without its tab, or a structure left open";
      }
    } else if (starts_with(line, u"Structure ")) {
      inside = true;
      last_structure = line;
    } else if (!line.empty() && !starts_with(line, u"; ")) {
      return "a line outside any structure that is no comment";
    }
  }
  if (inside) return "the last structure is not closed";
  if (last_structure.substr(0, 10) != u"Structure " || last_structure.substr(10) != top_name)
    return "the top structure is not last";
  return nullptr;
}

}  // namespace ambrel
