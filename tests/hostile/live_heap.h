#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's allocator statistics (its header is not installed with gcc).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace ambrel {

// Bytes the program holds on the heap right now. Under AddressSanitizer its allocator's
// own count (freed blocks wait in a quarantine, so the process size says little there);
// otherwise glibc's count of blocks in use.
inline std::size_t live_heap_bytes() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

}  // namespace ambrel
