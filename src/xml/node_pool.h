#pragma once

#include <cstddef>

#include "xml/xml_node.h"

namespace ambrel {

// Fixed-size node records for one document, cut from slabs that grow geometrically, so a
// document of a million nodes needs a few dozen allocations and frees.
// Allocation failure throws std::bad_alloc.
class NodePool {
 public:
  NodePool() = default;
  NodePool(const NodePool&) = delete;
  NodePool& operator=(const NodePool&) = delete;
  ~NodePool();

  // A zeroed record.
  XmlNode* allocate();

 private:
  struct Slab;

  static constexpr std::size_t kFirstSlabNodes = 64;
  static constexpr std::size_t kLargestSlabNodes = 64 * 1024;

  Slab* newest_ = nullptr;
  std::size_t used_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace ambrel
