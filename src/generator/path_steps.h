#pragma once

#include <cstdint>
#include <vector>

namespace ambrel {

// Numbers paths without building them: a path is its parent path's number, an element
// kind and a detail (such as a sibling index), and equal paths get the same number. A
// number lives as long as something holds it (a caller, or a longer path built on it),
// then its slot is reused, so the table holds only the paths still in use however long
// the document is.
class PathSteps {
 public:
  // The empty path, above top-level elements; never counted.
  static constexpr std::uint32_t kTop = 0;

  struct Step {
    std::uint32_t parent;
    std::uint32_t kind;
    std::uint64_t detail;
    std::uint32_t holders;  // 0: a free slot
    std::uint32_t hash;     // of (parent, kind, detail), kept for moving it in the index
  };

  // The number of the path (parent, kind, detail), held once more by the caller.
  std::uint32_t acquire(std::uint32_t parent, std::uint32_t kind, std::uint64_t detail);
  void hold(std::uint32_t number);
  // Gives up one hold; the path (and the parents only it held) is forgotten with the last.
  void release(std::uint32_t number);
  // Replaces the number in `held` by `number`, holding it instead.
  void replace(std::uint32_t& held, std::uint32_t number) {
    if (held != number) replace_held(held, number);  // mostly the same: a test inline
  }

  const Step& step(std::uint32_t number) const { return steps_[number]; }
  // Paths currently held.
  std::size_t size() const { return used_; }

 private:
  static std::uint32_t hash(std::uint32_t parent, std::uint32_t kind, std::uint64_t detail);
  std::size_t home(std::uint32_t number) const { return steps_[number].hash & (index_.size() - 1); }
  void replace_held(std::uint32_t& held, std::uint32_t number);
  void grow();
  void erase(std::uint32_t number);

  std::vector<Step> steps_ = std::vector<Step>(1);  // by number; slot kTop unused
  std::vector<std::uint32_t> free_numbers_;
  std::vector<std::uint32_t> index_ = std::vector<std::uint32_t>(64);  // numbers, 0: empty
  std::size_t used_ = 0;
};

}  // namespace ambrel
