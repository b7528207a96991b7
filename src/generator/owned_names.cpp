#include "generator/owned_names.h"

#include <cstring>

namespace ambrel {

// Eight bytes of the text at a time; names are short, so this is a few multiplications.
std::uint64_t OwnedNames::hash(std::uint32_t owner, std::u16string_view text) {
  constexpr std::uint64_t kMultiplier = 0xFF51AFD7ED558CCDull;
  std::uint64_t h = (std::uint64_t{owner} * 0x9E3779B97F4A7C15ull) ^ text.size();
  const char* bytes = reinterpret_cast<const char*>(text.data());
  std::size_t left = text.size() * sizeof(char16_t);
  for (; left >= 8; left -= 8, bytes += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes, 8);
    h = (h ^ word) * kMultiplier;
    h ^= h >> 32;
  }
  if (left > 0) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, left);
    h = (h ^ word) * kMultiplier;
  }
  h ^= h >> 29;
  h *= 0xC4CEB9FE1A85EC53ull;
  return h ^ (h >> 32);
}

OwnedNames::Found OwnedNames::find_or_add(std::uint32_t owner, std::u16string_view text) {
  if (2 * (entries_.size() + 1) > index_.size()) grow();
  auto h = static_cast<std::uint32_t>(hash(owner, text));
  std::size_t mask = index_.size() - 1;
  std::size_t at = h & mask;
  for (; index_[at] != 0; at = (at + 1) & mask) {
    const Entry& e = entries_[index_[at] - 1];
    if (e.hash == h && e.owner == owner && has_text(index_[at] - 1, text)) {
      return {index_[at] - 1, false};
    }
  }
  // Room first, so a failure to grow the text store leaves both unchanged.
  if (entries_.size() == entries_.capacity()) entries_.reserve(2 * entries_.size() + 16);
  texts_.append(text);
  entries_.push_back({owner, h, texts_.size() - text.size(), text.size()});
  index_[at] = static_cast<std::uint32_t>(entries_.size());
  return {index_[at] - 1, true};
}

void OwnedNames::grow() {
  std::vector<std::uint32_t> old(index_.size() * 2);
  old.swap(index_);
  std::size_t mask = index_.size() - 1;
  for (std::uint32_t slot : old) {
    if (slot == 0) continue;
    std::size_t at = entries_[slot - 1].hash & mask;
    while (index_[at] != 0) at = (at + 1) & mask;
    index_[at] = slot;
  }
}

}  // namespace ambrel
