#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace ambrel {

// An output file that takes its target's place only once it is complete: it is written
// beside the target as a temporary file and renamed over it, so a run that fails or is
// interrupted never leaves half a file, and the old file stays as it was. Nor is the
// temporary file left: it has no name until it is complete where the system allows
// (O_TMPFILE), SIGINT, SIGTERM and SIGHUP remove it while it has one, and on Windows the
// system deletes it with its handle until it is complete. The new file keeps
// the old one's mode, and its owner and group where the system permits. A target that
// exists and is not a regular file (a device, a FIFO) is written directly instead, and so
// is one that names a descriptor the process has (/dev/stdout, /dev/fd/N): that is
// written as it was opened, to the end of a log the shell appends to, say. A symbolic link
// is written through, as the shell's redirection does, and one the system would not resolve
// (a loop, too long a chain) is refused; a hard link's other names keep the old file. Names
// are taken in the target's folder held open, so any path the system takes will do.
class ReplacingFile {
 public:
  // The start of a temporary file's name: short, so that it fits beside a target whose name
  // is as long as a folder allows, and hidden.
  static constexpr const char* kTemporaryPrefix = ".ambrel-";

  // Opens the file for `target` (the name in the system's own bytes); stream() is null
  // after a failure and error() says why.
  explicit ReplacingFile(const std::string& target);
  // Removes the temporary file unless commit() put it in place.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  std::FILE* stream() const { return stream_; }
  // Ends the writing: the temporary file, flushed to the disk, takes the target's place.
  // False after a failure of this or of the writing; error() says why.
  bool commit();
  // An errno value; 0 while nothing failed.
  int error() const { return error_; }

 private:
  struct Temporary;  // the file that takes the target's place, as each system makes it
  struct TemporaryRemoval {
    void operator()(Temporary* temporary) const;  // removes the file unless it took its place
  };

  bool fail();
  // Takes the stream of the temporary file just made; null: keeps the failure, drops it.
  void write_temporary(std::FILE* stream);
  // Each system's own steps of commit(); false with errno set after a failure.
  bool keep_temporary();  // the complete file made durable, and kept once closed
  bool put_temporary_in_place();

  std::string target_;  // POSIX: its name in the folder held open; Windows: its path
  std::unique_ptr<Temporary, TemporaryRemoval> temporary_;  // null: writing the target directly
  std::FILE* stream_ = nullptr;
  int error_ = 0;
};

}  // namespace ambrel
