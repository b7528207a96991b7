#include "generator/lowered_path_numbers.h"

namespace ambrel {

std::size_t LoweredPathNumbers::hash(std::uint32_t parent, std::uint32_t kind, std::int32_t index) {
  std::uint64_t h = (std::uint64_t{parent} << 32) ^ (std::uint64_t{kind} * 0x9E3779B97F4A7C15ull) ^
                    static_cast<std::uint32_t>(index);
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return static_cast<std::size_t>(h);
}

std::uint32_t LoweredPathNumbers::number_of(std::uint32_t parent, std::uint32_t kind,
                                            std::int32_t index) {
  if (2 * (used_ + 1) > slots_.size()) grow();
  std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash(parent, kind, index) & mask;; at = (at + 1) & mask) {
    Slot& slot = slots_[at];
    if (slot.number == 0) {
      slot = {parent, kind, index, next_number_++};
      ++used_;
      return slot.number;
    }
    if (slot.parent == parent && slot.kind == kind && slot.index == index) return slot.number;
  }
}

void LoweredPathNumbers::grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.number == 0) continue;
    std::size_t at = hash(slot.parent, slot.kind, slot.index) & mask;
    while (slots_[at].number != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

}  // namespace ambrel
