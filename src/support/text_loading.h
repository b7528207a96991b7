#pragma once

#include <string>

#include "support/platform_file.h"

namespace ambrel {

// A whole text loaded from a file, or why there is none.
struct LoadedText {
  int error = 0;            // an errno value: the open or a read failed; ENOMEM: memory ran out
  bool empty_file = false;  // a file on disk that gave no byte, which has nothing to load
  std::u16string text;
};

// Loads a file the way the load command does: a directory is the error EISDIR; anything
// else (pipes and devices too) is read to its end or its first NUL and decoded by its
// byte-order mark, and a file on disk that gives no byte is empty_file. Neither memory nor
// emptiness goes by the size the file claims: files under /proc and /sys claim 0 bytes.
LoadedText load_text_file(const NativePath& path);

// The same for a file already open (standard input, for one).
LoadedText load_text(PlatformFile file);

}  // namespace ambrel
