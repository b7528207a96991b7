#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>

namespace ambrel {

// The element names met so far among the children of one open node, with how often
// each occurred. Gives each new child its same-name index in constant time, and lets
// siblings of one name share a single stored copy of it.
class SiblingNames {
 public:
  struct Entry {
    const char16_t* stored_name;  // null when the name is new
    std::int32_t count;           // occurrences including the new one
  };

  // Counts one more child called `name`. A new name must then be added with its stored
  // copy.
  Entry count(std::u16string_view name);
  void add(std::u16string_view stored_name);

  void clear();

 private:
  static constexpr int kInline = 4;
  struct Slot {
    std::u16string_view name;  // the stored copy
    std::int32_t count;
  };

  Slot* find(std::u16string_view name);

  Slot inline_[kInline] = {};
  int inline_used_ = 0;
  int last_hit_ = 0;
  // Names beyond the first few, for parents with many differently named children.
  std::unique_ptr<std::unordered_map<std::u16string_view, Slot>> more_;
};

}  // namespace ambrel
