#include "xml/node_pool.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace ambrel {

struct NodePool::Slab {
  Slab* older;
  // The records follow the header.
  XmlNode* nodes() { return reinterpret_cast<XmlNode*>(this + 1); }
};
static_assert(sizeof(void*) % alignof(XmlNode) == 0,
              "records right behind the slab header stay aligned");

NodePool::~NodePool() {
  while (newest_ != nullptr) {
    Slab* older = newest_->older;
    ::operator delete(newest_);
    newest_ = older;
  }
}

XmlNode* NodePool::allocate() {
  if (used_ == capacity_) {
    std::size_t capacity =
        newest_ == nullptr ? kFirstSlabNodes : std::min(capacity_ * 2, kLargestSlabNodes);
    auto* slab = static_cast<Slab*>(::operator new(sizeof(Slab) + capacity * sizeof(XmlNode)));
    slab->older = newest_;
    newest_ = slab;
    capacity_ = capacity;
    used_ = 0;
  }
  XmlNode* node = newest_->nodes() + used_;
  ++used_;
  std::memset(static_cast<void*>(node), 0, sizeof(XmlNode));
  return node;
}

}  // namespace ambrel
