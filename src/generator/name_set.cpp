#include "generator/name_set.h"

#include <algorithm>
#include <numeric>

namespace ambrel {

std::uint32_t NameSet::bucket_of(std::u16string_view text) {
  std::uint32_t h = 0;
  for (char16_t unit : text) h = h * 65599u + unit;
  return h % kBuckets;
}

void NameSet::add(std::u16string_view text) {
  if (contains(text)) return;
  members_.emplace_back(text);
  index_.insert(members_.back());
}

std::vector<std::u16string_view> NameSet::in_iteration_order() const {
  std::vector<std::size_t> order(members_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::vector<std::uint32_t> buckets;
  buckets.reserve(members_.size());
  for (const std::u16string& member : members_) buckets.push_back(bucket_of(member));
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (buckets[a] != buckets[b]) return buckets[a] < buckets[b];
    return a > b;  // a new member goes to the front of its bucket's chain
  });
  std::vector<std::u16string_view> result;
  result.reserve(order.size());
  for (std::size_t i : order) result.push_back(members_[i]);
  return result;
}

}  // namespace ambrel
