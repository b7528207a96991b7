#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The system's side of reading files. Each platform has its own file, chosen by the build:
// platform_file_posix.cpp and platform_file_win32.cpp are the only places that talk to the
// system's files.

namespace ambrel {

// A file name as the system takes it. On POSIX systems that is the bytes themselves, which
// need not be UTF-8; a name that went through UTF-16 and back could name another file.
#if defined(_WIN32)
using NativePath = std::wstring;
#else
using NativePath = std::string;
#endif

// The system's form of a name the user interface holds as UTF-16.
NativePath native_path(std::u16string_view path);
// The system's form of a command-line argument as the program start gives it: the bytes
// themselves on POSIX systems, UTF-8 on Windows.
NativePath native_path_of_argument(const std::string& argument);

enum class FileKind {
  Regular,  // a file on disk: its size is known before reading
  Directory,
  Stream,  // a pipe, FIFO, socket or character device: read to its end
};

// What the system says about a name, without opening it. `error` is an errno value
// when the name names nothing (then kind and size are meaningless). Trailing separators
// are ignored; on Windows drive roots ("C:", "C:\\"), shares and ".." are directories.
struct PathInfo {
  int error = 0;
  FileKind kind = FileKind::Regular;
  std::int64_t size = 0;
};
PathInfo inspect_path(const NativePath& path);

// Which file on which device a file on disk is, however it is named (links, hard links,
// other spellings), so that two names of one file can be told from two files.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t node = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file on disk `path` reaches through links; none when it names
// nothing, a directory, or anything that is no file on disk (a device, a pipe).
std::optional<FileIdentity> file_on_disk_identity(const NativePath& path);

// Ends, from any thread, the waits of the files opened with it: an open or a read that waits
// for a FIFO's or a pipe's writer fails with ECANCELED once stop() is called, and so does any
// later one. A thread that reads what the user named can so always be stopped and joined.
class FileWaitStop {
 public:
  FileWaitStop();
  ~FileWaitStop();
  FileWaitStop(const FileWaitStop&) = delete;
  FileWaitStop& operator=(const FileWaitStop&) = delete;

  void stop();
  bool stopped() const;

 private:
  friend class PlatformFile;
  struct Signal;  // the platform's
  std::unique_ptr<Signal> signal_;
};

// An open file for reading. Errors are errno values, also on systems that have others.
class PlatformFile {
 public:
  // Opens an existing file (or device, or FIFO: that waits for a writer) for reading, never
  // refusing other readers or writers; is_open() is false after a failure, error() says why
  // (EISDIR where Windows opens no directory as a file).
  static PlatformFile open_for_reading(const NativePath& path);
  // The same, but a FIFO opens at once, and its reads, like those of every pipe and device,
  // wait only until `stop` is stopped (which must outlive the file).
  static PlatformFile open_for_reading(const NativePath& path, FileWaitStop& stop);
  // A second handle on the process's standard input, reading its bytes unchanged.
  static PlatformFile standard_input();

  PlatformFile(PlatformFile&& other) noexcept;
  PlatformFile& operator=(PlatformFile&& other) noexcept;
  PlatformFile(const PlatformFile&) = delete;
  PlatformFile& operator=(const PlatformFile&) = delete;
  ~PlatformFile();

  bool is_open() const { return handle_ >= 0; }
  int error() const { return error_; }

  // Kind and size of the open file; a failure of the query gives a Stream of size 0.
  PathInfo info() const;
  // As file_on_disk_identity for the open file.
  std::optional<FileIdentity> identity() const;

  // Reads up to `size` bytes into `into`: the count read, 0 at the end, -1 on an error
  // (error() then says which).
  std::ptrdiff_t read(unsigned char* into, std::size_t size);

 private:
  PlatformFile(int handle, int error, FileWaitStop* stop = nullptr)
      : handle_(handle), error_(error), stop_(stop) {}

  int handle_;
  int error_;
  FileWaitStop* stop_;
};

}  // namespace ambrel
