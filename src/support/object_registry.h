#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ambrel {

// The number a caller passes to ask for an automatic number.
inline constexpr int kAnyNumber = -1;

// Numbered objects of one kind (documents, files, expressions, windows, gadgets, dialogs).
//
// A caller either picks a small explicit number (0 .. kMaxExplicitNumber) or passes
// kAnyNumber and gets an automatic one. Automatic numbers start above every explicit
// number, fit in a signed 32-bit integer and are not reused while their object lives.
// Re-creating an explicit number frees the old object first.
//
// The release routine runs before an object is destroyed; it and the destructor may
// use the registry again (free other objects, create new ones): the object has left
// the registry by then.
template <class T>
class ObjectRegistry {
 public:
  static constexpr int kMaxExplicitNumber = 0xFFFFF;
  static constexpr int kFirstAutomaticNumber = kMaxExplicitNumber + 1;

  using Release = std::function<void(int number, T& object)>;

  explicit ObjectRegistry(Release release = {}) : release_(std::move(release)) {}
  ObjectRegistry(const ObjectRegistry&) = delete;
  ObjectRegistry& operator=(const ObjectRegistry&) = delete;
  ~ObjectRegistry() { free_all(); }

  static bool is_valid_request(int number) {
    return number == kAnyNumber || (number >= 0 && number <= kMaxExplicitNumber);
  }

  // Stores `object` under `number` (or a new automatic number for kAnyNumber) and
  // returns the number used; returns kAnyNumber when the number is out of range.
  int insert(int number, std::unique_ptr<T> object) {
    if (!is_valid_request(number) || !object) return kAnyNumber;
    if (number == kAnyNumber) {
      number = next_automatic_number();
    } else {
      free(number);
    }
    objects_[number] = std::move(object);
    return number;
  }

  T* find(int number) const {
    auto it = objects_.find(number);
    return it == objects_.end() ? nullptr : it->second.get();
  }

  bool contains(int number) const { return objects_.count(number) != 0; }

  // Frees one object; kAnyNumber frees every object. Returns false for an unknown number.
  bool free(int number) {
    if (number == kAnyNumber) {
      free_all();
      return true;
    }
    auto it = objects_.find(number);
    if (it == objects_.end()) return false;
    std::unique_ptr<T> object = std::move(it->second);
    objects_.erase(it);
    if (release_) release_(number, *object);
    return true;
  }

  void free_all() {
    // Releasing one object may free or create others, so take a fresh snapshot each round.
    while (!objects_.empty()) {
      for (int number : numbers()) free(number);
    }
  }

  // The numbers in use, in ascending order.
  std::vector<int> numbers() const {
    std::vector<int> result;
    result.reserve(objects_.size());
    for (const auto& entry : objects_) result.push_back(entry.first);
    std::sort(result.begin(), result.end());
    return result;
  }

  std::size_t size() const { return objects_.size(); }

 private:
  int next_automatic_number() {
    for (;;) {
      int candidate = next_automatic_;
      next_automatic_ = candidate == INT32_MAX ? kFirstAutomaticNumber : candidate + 1;
      if (!contains(candidate)) return candidate;
    }
  }

  Release release_;
  std::unordered_map<int, std::unique_ptr<T>> objects_;
  int next_automatic_ = kFirstAutomaticNumber;
};

}  // namespace ambrel
