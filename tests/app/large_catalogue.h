#pragma once

#include <string>

namespace ambrel {

// A document whose declaring takes the worker many pieces, so that what a test does next
// comes while it runs.
inline std::u16string large_catalogue() {
  std::u16string text = u"<catalog>\n";
  for (int i = 0; i < 40000; ++i) {
    std::string n = std::to_string(i);
    std::u16string id(n.begin(), n.end());
    text += u"  <book id=\"" + id + u"\"><price>" + id + u".5</price></book>\n";
  }
  return text + u"</catalog>\n";
}

}  // namespace ambrel
