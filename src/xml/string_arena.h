#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace ambrel {

// Storage for the strings and attribute tables of one document. Short items are cut
// from large blocks; long ones get a heap block each. Everything is released at once
// by the destructor, so freeing a document costs a handful of frees, not one per string.
// Allocation failure throws std::bad_alloc; the parse turns it into an "out of memory"
// status.
class StringArena {
 public:
  // Items up to this many bytes come from the blocks.
  static constexpr std::size_t kLargestBlockItem = 1024;
  // Size of every block after the first.
  static constexpr std::size_t kBlockBytes = 512 * 1024;

  // The first block gets room for `first_block_bytes`; sized from the input text so that
  // a typical document needs one block. It is allocated on first use.
  explicit StringArena(std::size_t first_block_bytes);
  StringArena(const StringArena&) = delete;
  StringArena& operator=(const StringArena&) = delete;
  ~StringArena();

  // A zero-terminated copy of `text`.
  const char16_t* store(std::u16string_view text);

  // Uninitialised room of `bytes` bytes at `alignment` (a power of two, at most 16).
  void* allocate(std::size_t bytes, std::size_t alignment);

  // Takes over a block from std::malloc so it is freed with the arena.
  void adopt(void* heap_block);

 private:
  struct Block;

  void* allocate_from_blocks(std::size_t bytes, std::size_t alignment);
  void* allocate_on_heap(std::size_t bytes);
  void add_block(std::size_t payload_bytes);

  std::size_t first_block_bytes_;
  Block* newest_ = nullptr;
  std::byte* cursor_ = nullptr;
  std::byte* end_ = nullptr;
  std::vector<void*> heap_blocks_;
};

}  // namespace ambrel
