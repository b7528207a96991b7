#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ambrel {

// Text encodings of files, by the codes the rest of the system shares.
enum class TextFormat : std::int32_t {
  Ascii = 24,          // single-byte text; also the answer when a file has no byte-order mark
  Utf8 = 2,
  Utf16 = 25,          // little-endian
  Utf16BigEndian = 4,  // recognised by detect_text_format; read_text reads it like Ascii
  Utf32 = 5,           // likewise
  Utf32BigEndian = 6,  // likewise
};

// Read flags: the low 5 bits are a TextFormat code (0: the file's default, Utf8);
// WholeFile reads to the end of the file instead of one line.
inline constexpr std::int32_t kTextFormatMask = 0x1F;
inline constexpr std::int32_t WholeFile = 0x10000;

// Creates the file registry (start-up) / closes every file still open (exit).
void file_library_init();
void file_library_end();

// The size in bytes of an existing file; -1 when the path is empty or names nothing;
// -2 when it names a directory. Trailing "/" are ignored.
std::int64_t file_size(std::u16string_view path);

// Opens an existing file (not a directory) for reading under `handle` (kAnyNumber for an
// automatic number). Returns the automatic number, or 1 for an explicit number; 0 when
// the file cannot be opened, with errno telling why. Other readers never stop the open.
int open_file_for_reading(int handle, std::u16string_view path);

// Opens the process's standard input for reading like a file; 0 on failure.
int open_standard_input(int handle);

// Non-zero when the handle names an open file.
int is_file(int handle);

// Recognises a byte-order mark at the read position and moves past it; without one the
// position stays and the answer is Ascii (also for an unknown handle).
TextFormat detect_text_format(int handle);

// Reads and decodes text from the read position: one line, or with WholeFile everything
// to the end of the file. Reading stops at the first NUL character. The empty text for
// an unknown handle or when memory runs out.
std::u16string read_text(int handle, std::int32_t flags);

void close_file(int handle);

}  // namespace ambrel
