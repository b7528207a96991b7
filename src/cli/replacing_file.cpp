#include <cerrno>
#include <cstdio>

#include "cli/replacing_file.h"

namespace ambrel {

// What both platforms keep of a failure: the first errno, or EIO when the call set none.
bool ReplacingFile::fail() {
  if (error_ == 0) error_ = errno != 0 ? errno : EIO;
  return false;
}

void ReplacingFile::write_temporary(std::FILE* stream) {
  stream_ = stream;
  if (stream_ != nullptr) return;
  fail();
  temporary_.reset();
}

ReplacingFile::~ReplacingFile() {
  if (stream_ != nullptr) std::fclose(stream_);
}

bool ReplacingFile::commit() {
  if (stream_ == nullptr) return false;
  if (std::fflush(stream_) != 0 || std::ferror(stream_) != 0) return fail();
  if (temporary_ && !keep_temporary()) return fail();
  int closed = std::fclose(stream_);
  stream_ = nullptr;
  if (closed != 0) return fail();
  if (!temporary_) return true;
  if (!put_temporary_in_place()) return fail();
  temporary_.reset();
  return true;
}

}  // namespace ambrel
