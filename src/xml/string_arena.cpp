#include "xml/string_arena.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace ambrel {

struct StringArena::Block {
  Block* older;
  // The payload follows; items are aligned within it as they are cut.
  std::byte* payload() { return reinterpret_cast<std::byte*>(this + 1); }
};

StringArena::StringArena(std::size_t first_block_bytes) : first_block_bytes_(first_block_bytes) {}

StringArena::~StringArena() {
  for (void* block : heap_blocks_) std::free(block);
  while (newest_ != nullptr) {
    Block* older = newest_->older;
    std::free(newest_);
    newest_ = older;
  }
}

const char16_t* StringArena::store(std::u16string_view text) {
  std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  auto* copy = static_cast<char16_t*>(allocate(bytes, alignof(char16_t)));
  std::memcpy(copy, text.data(), text.size() * sizeof(char16_t));
  copy[text.size()] = u'\0';
  return copy;
}

void* StringArena::allocate(std::size_t bytes, std::size_t alignment) {
  if (bytes > kLargestBlockItem) return allocate_on_heap(bytes);
  return allocate_from_blocks(bytes, alignment);
}

void StringArena::adopt(void* heap_block) {
  try {
    heap_blocks_.push_back(heap_block);
  } catch (const std::bad_alloc&) {
    std::free(heap_block);
    throw;
  }
}

void* StringArena::allocate_from_blocks(std::size_t bytes, std::size_t alignment) {
  auto aligned = [alignment](std::byte* at) {
    auto address = reinterpret_cast<std::uintptr_t>(at);
    return at + ((alignment - address % alignment) % alignment);
  };
  std::byte* start = cursor_ == nullptr ? nullptr : aligned(cursor_);
  // Aligning can step past the end of a nearly full block.
  if (start == nullptr || start > end_ || static_cast<std::size_t>(end_ - start) < bytes) {
    add_block(newest_ == nullptr ? std::max(first_block_bytes_, bytes) : kBlockBytes);
    start = aligned(cursor_);
  }
  cursor_ = start + bytes;
  return start;
}

void* StringArena::allocate_on_heap(std::size_t bytes) {
  void* block = std::malloc(bytes);
  if (block == nullptr) throw std::bad_alloc();
  adopt(block);
  return block;
}

void StringArena::add_block(std::size_t payload_bytes) {
  auto* block = static_cast<Block*>(std::malloc(sizeof(Block) + payload_bytes));
  if (block == nullptr) throw std::bad_alloc();
  block->older = newest_;
  newest_ = block;
  cursor_ = block->payload();
  end_ = cursor_ + payload_bytes;
}

}  // namespace ambrel
