#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's allocator statistics (its header is not installed with gcc).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#elif defined(_WIN32)
#include <malloc.h>
#else
#include <malloc.h>
#endif

namespace ambrel {

// Bytes the program holds on the heap right now. Under AddressSanitizer its allocator's
// own count (freed blocks wait in a quarantine, so the process size says little there);
// on Windows the C runtime heap's blocks in use; otherwise glibc's count of them.
inline std::size_t live_heap_bytes() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#elif defined(_WIN32)
  std::size_t used = 0;
  _HEAPINFO entry{};
  while (_heapwalk(&entry) == _HEAPOK) {
    if (entry._useflag == _USEDENTRY) used += entry._size;
  }
  return used;
#else
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

}  // namespace ambrel
