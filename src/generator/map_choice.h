#pragma once

#include <string>
#include <vector>

namespace ambrel {

// Whether JSON objects may be read as maps (their keys data, their values one kind), and the
// kinds forced either way. A path is written as in the path comments ("/shapes{}/members"),
// its list marks ignored; "/" is the top.
struct MapChoice {
  bool detect = true;
  std::vector<std::u16string> maps;
  std::vector<std::u16string> records;

  bool any_forced() const { return !maps.empty() || !records.empty(); }
};

}  // namespace ambrel
