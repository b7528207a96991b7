#include "generator/path_steps.h"

namespace ambrel {

std::uint32_t PathSteps::hash(std::uint32_t parent, std::uint32_t kind, std::uint64_t detail) {
  std::uint64_t h = (std::uint64_t{parent} << 32 | kind) * 0x9E3779B97F4A7C15ull;
  h ^= detail * 0xC2B2AE3D27D4EB4Full;
  h ^= h >> 29;
  h *= 0xFF51AFD7ED558CCDull;
  return static_cast<std::uint32_t>(h >> 32);
}

std::uint32_t PathSteps::acquire(std::uint32_t parent, std::uint32_t kind, std::uint64_t detail) {
  if (2 * (used_ + 1) > index_.size()) grow();
  std::size_t mask = index_.size() - 1;
  std::uint32_t h = hash(parent, kind, detail);
  std::size_t at = h & mask;
  for (; index_[at] != 0; at = (at + 1) & mask) {
    Step& s = steps_[index_[at]];
    if (s.hash == h && s.parent == parent && s.kind == kind && s.detail == detail) {
      ++s.holders;
      return index_[at];
    }
  }
  std::uint32_t number;
  if (free_numbers_.empty()) {
    number = static_cast<std::uint32_t>(steps_.size());
    steps_.push_back({});
  } else {
    number = free_numbers_.back();
    free_numbers_.pop_back();
  }
  steps_[number] = {parent, kind, detail, 1, h};
  hold(parent);
  index_[at] = number;
  ++used_;
  return number;
}

void PathSteps::hold(std::uint32_t number) {
  if (number != kTop) ++steps_[number].holders;
}

// A loop, not recursion: a chain of parents as long as the document is deep may go at once.
void PathSteps::release(std::uint32_t number) {
  while (number != kTop && --steps_[number].holders == 0) {
    erase(number);
    free_numbers_.push_back(number);
    number = steps_[number].parent;
  }
}

void PathSteps::replace_held(std::uint32_t& held, std::uint32_t number) {
  hold(number);
  release(held);
  held = number;
}

// Removes the number from the index, moving later members of its probe run back so that
// every lookup still finds them.
void PathSteps::erase(std::uint32_t number) {
  std::size_t mask = index_.size() - 1;
  std::size_t gap = home(number);
  while (index_[gap] != number) gap = (gap + 1) & mask;
  for (std::size_t at = (gap + 1) & mask; index_[at] != 0; at = (at + 1) & mask) {
    std::size_t wanted = home(index_[at]);
    // The member may fill the gap when the gap lies on its way from its home slot.
    bool movable = gap <= at ? (wanted <= gap || wanted > at) : (wanted <= gap && wanted > at);
    if (movable) {
      index_[gap] = index_[at];
      gap = at;
    }
  }
  index_[gap] = 0;
  --used_;
}

void PathSteps::grow() {
  std::vector<std::uint32_t> old(index_.size() * 2);
  old.swap(index_);
  std::size_t mask = index_.size() - 1;
  for (std::uint32_t number : old) {
    if (number == 0) continue;
    std::size_t at = home(number);
    while (index_[at] != 0) at = (at + 1) & mask;
    index_[at] = number;
  }
}

}  // namespace ambrel
