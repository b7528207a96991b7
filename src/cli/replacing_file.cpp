#include <cerrno>

#include "cli/replacing_file.h"

namespace ambrel {

// What both platforms keep of a failure: the first errno, or EIO when the call set none.
bool ReplacingFile::fail() {
  if (error_ == 0) error_ = errno != 0 ? errno : EIO;
  return false;
}

}  // namespace ambrel
