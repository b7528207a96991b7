#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace ambrel {

// A set of texts whose iteration order is that of a 512-bucket hash table with chains:
// buckets in ascending order, and inside a bucket the most recently added member first.
// The order shows in generated comments, so it is part of the output.
class NameSet {
 public:
  static constexpr std::uint32_t kBuckets = 512;

  // h = h * 65599 + unit over the UTF-16 units, wrapping at 32 bits; then mod 512.
  static std::uint32_t bucket_of(std::u16string_view text);

  // Adds `text` unless it is already a member (exact, case-sensitive comparison).
  void add(std::u16string_view text);
  bool contains(std::u16string_view text) const { return index_.count(text) != 0; }
  bool empty() const { return members_.empty(); }

  // The members in iteration order.
  std::vector<std::u16string_view> in_iteration_order() const;

 private:
  std::deque<std::u16string> members_;  // in order of addition; a deque keeps views valid
  std::unordered_set<std::u16string_view> index_;
};

}  // namespace ambrel
