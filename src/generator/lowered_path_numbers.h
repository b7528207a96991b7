#pragma once

#include <cstdint>
#include <vector>

namespace ambrel {

// Numbers the lower-cased node paths of element instances without building them: two
// instances get the same number exactly when their paths, lower-cased, are equal. An
// instance's path is its parent's path, its kind's lower-cased name and its sibling
// index, and each of those is fixed by (parent path number, element kind, index), so
// equal paths and equal triples are the same thing. Elements that differ only in case
// (B and b under one parent) therefore share a number.
class LoweredPathNumbers {
 public:
  // The number of the path above top-level elements (the empty prefix).
  static constexpr std::uint32_t kTop = 0;

  std::uint32_t number_of(std::uint32_t parent, std::uint32_t kind, std::int32_t index);

 private:
  struct Slot {
    std::uint32_t parent;
    std::uint32_t kind;
    std::int32_t index;
    std::uint32_t number;  // 0: empty slot
  };

  static std::size_t hash(std::uint32_t parent, std::uint32_t kind, std::int32_t index);
  void grow();

  std::vector<Slot> slots_ = std::vector<Slot>(1024);
  std::size_t used_ = 0;
  std::uint32_t next_number_ = kTop + 1;
};

}  // namespace ambrel
