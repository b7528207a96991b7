#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

// Numbers names as written (case-sensitive) per owner, such as the child names met under
// each element kind: the same owner and text always give the same number, numbers count
// from 0 in order of first sight. One hash of the text per lookup and no allocation once
// a name is known, so filing a repeated name costs about as much as reading it.
class OwnedNames {
 public:
  struct Found {
    std::uint32_t number;
    bool added;  // first sight: the caller sets up what it keeps under the number
  };

  Found find_or_add(std::uint32_t owner, std::u16string_view text);
  // Whether the text numbered `number` is `text`.
  bool has_text(std::uint32_t number, std::u16string_view text) const {
    const Entry& e = entries_[number];
    return e.length == text.size() && same_units(texts_.data() + e.offset, text.data(), e.length);
  }
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::uint32_t owner;
    std::uint32_t hash;
    std::size_t offset;  // into texts_
    std::size_t length;
  };

  // Whole words at a time, inline and without a loop for names of up to eight units: names
  // are short, and a call or a unit-by-unit loop would cost more than comparing.
  static bool same_units(const char16_t* a, const char16_t* b, std::size_t count) {
    if (count < 2) return count == 0 || *a == *b;
    if (count < 4)
      return same_words<std::uint32_t>(a, b) &&
             same_words<std::uint32_t>(a + count - 2, b + count - 2);
    for (; count > 4; count -= 4, a += 4, b += 4) {
      if (!same_words<std::uint64_t>(a, b)) return false;
    }
    // The last four units, which overlap those compared before unless the count is a
    // multiple of four.
    return same_words<std::uint64_t>(a + count - 4, b + count - 4);
  }
  template <typename Word>
  static bool same_words(const char16_t* a, const char16_t* b) {
    Word x;
    Word y;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    return x == y;
  }
  static std::uint64_t hash(std::uint32_t owner, std::u16string_view text);
  void grow();

  std::vector<Entry> entries_;
  std::u16string texts_;  // every name once, one after the other
  std::vector<std::uint32_t> index_ = std::vector<std::uint32_t>(64);  // number + 1, 0: empty
};

}  // namespace ambrel
