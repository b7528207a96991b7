#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "xml/string_arena.h"

namespace ambrel {

// Shares one stored copy among equal element and attribute names of a document. Names
// repeat on nearly every element, so a small direct-mapped table catches most of them;
// a collision only costs another copy. Names are never written after they are stored.
class NameCache {
 public:
  // The stored copy of `name`, made in `arena` when the cache does not hold it.
  const char16_t* intern(std::u16string_view name, StringArena& arena);

 private:
  static constexpr std::size_t kSlots = 1024;
  // Longer names are rare and not worth comparing.
  static constexpr std::size_t kLongestCachedName = 64;

  std::array<std::u16string_view, kSlots> slots_{};
};

}  // namespace ambrel
