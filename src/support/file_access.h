#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ambrel {

// The operating system's side of reading text files: names in, descriptors out. Each
// platform has its own file (file_access_posix.cpp, file_access_win32.cpp), chosen by the
// build; file_size (text_file.h) lives there too, since its rules follow the platform's
// names. Failures set errno.

// Opens an existing file for reading without keeping other readers or writers out;
// a descriptor, or -1 (EISDIR for a directory).
int open_read_descriptor(std::u16string_view path);

// A descriptor of the process's standard input that reads bytes unchanged; -1 on failure.
int duplicate_standard_input();

// Reads up to `count` bytes: how many came, 0 at the end, -1 on an error (EINTR retried).
std::ptrdiff_t read_descriptor(int fd, unsigned char* into, std::size_t count);

// Bytes from the read position to the end of a regular file; -1 when unknown (a pipe).
std::int64_t bytes_left_in(int fd);

void close_descriptor(int fd);

}  // namespace ambrel
