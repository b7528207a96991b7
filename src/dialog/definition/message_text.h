#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace ambrel {

// A message about a definition, joined from its pieces. Messages are built by appending:
// GCC 12 wrongly warns of overlapping copies when a text is put in front of a temporary
// string.
inline std::string message_text(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

}  // namespace ambrel
