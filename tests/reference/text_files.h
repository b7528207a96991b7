#pragma once

// Numbered text files read the first way the tool loaded its input: open, recognise a
// byte-order mark, read one line or the whole rest in a format, close. The tests and fuzz
// targets hold the tool's streaming load (support/text_loading) to it.

#include <cstdint>
#include <string>
#include <string_view>

#include "byte_source.h"
#include "support/object_registry.h"
#include "support/platform_file.h"
#include "support/text_format.h"

namespace ambrel {

// Read flags: the low 5 bits are a TextFormat code (0: the file's default, Utf8);
// WholeFile reads to the end of the file instead of one line.
inline constexpr std::int32_t kTextFormatMask = 0x1F;
inline constexpr std::int32_t WholeFile = 0x10000;

// The size in bytes of an existing file; -1 when the path is empty or names nothing;
// -2 when it names a directory. Trailing "/" are ignored. Pipes and devices give 0.
std::int64_t file_size(std::u16string_view path);
std::int64_t file_size(const NativePath& path);

// The files open for reading; its end closes those still open.
class TextFiles {
 public:
  // Opens an existing file (not a directory) for reading under `handle` (kAnyNumber for an
  // automatic number). Returns the automatic number, or 1 for an explicit number; 0 when
  // the file cannot be opened, with errno telling why. Other readers never stop the open.
  int open_for_reading(int handle, std::u16string_view path);
  int open_for_reading(int handle, const NativePath& path);

  // Non-zero when the handle names an open file.
  int is_file(int handle) const;

  // Recognises a byte-order mark at the read position and moves past it; without one the
  // position stays and the answer is Ascii (also for an unknown handle).
  TextFormat detect_text_format(int handle);

  // Reads and decodes text from the read position (see TextDecoder for each format): one
  // line, or with WholeFile everything to the end of the file. Reading stops at the first
  // NUL character. The empty text for an unknown handle, a failed read or when memory runs
  // out; read_error tells these apart from an empty text.
  std::u16string read_text(int handle, std::int32_t flags);

  // Why the last read_text of the file gave no text: an errno value (ENOMEM when memory
  // ran out); 0 when it read to its end.
  int read_error(int handle) const;

  void close(int handle);

 private:
  struct OpenFile {
    explicit OpenFile(PlatformFile file) : source(std::move(file)) {}

    ByteSource source;
    TextFormat default_format = TextFormat::Utf8;
    int read_error = 0;
  };

  ObjectRegistry<OpenFile> files_;
};

}  // namespace ambrel
