#pragma once

#include <string>

#include "support/platform_file.h"

namespace ambrel {

// A whole text loaded from a file, or why there is none.
struct LoadedText {
  int error = 0;            // an errno value: the open or a read failed; ENOMEM: memory ran out
  bool empty_file = false;  // a file on disk of 0 bytes, which has nothing to load
  std::u16string text;
};

// Loads a file the way the load command does: a file on disk of 0 bytes is empty_file; a
// directory is the error EISDIR; anything else (pipes and devices too) is read to its end
// or its first NUL and decoded by its byte-order mark. Memory is taken as the text grows,
// never by the size the file claims.
LoadedText load_text_file(const NativePath& path);

// The same for a file already open (standard input, for one).
LoadedText load_text(PlatformFile file);

}  // namespace ambrel
