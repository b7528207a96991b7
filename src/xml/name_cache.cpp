#include "xml/name_cache.h"

#include <cstdint>

namespace ambrel {

namespace {

std::size_t slot_of(std::u16string_view name, std::size_t slots) {
  std::uint32_t hash = 2166136261u;
  for (char16_t c : name) hash = (hash ^ c) * 16777619u;
  return hash % slots;
}

}  // namespace

const char16_t* NameCache::intern(std::u16string_view name, StringArena& arena) {
  if (name.size() > kLongestCachedName) return arena.store(name);
  std::u16string_view& slot = slots_[slot_of(name, kSlots)];
  if (slot != name || slot.data() == nullptr) slot = {arena.store(name), name.size()};
  return slot.data();
}

}  // namespace ambrel
