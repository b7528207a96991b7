// Feeds arbitrary bytes to the text loader through a file on disk and through a pipe and
// checks what it reads against the loader's rules: the byte-order mark picks the format,
// reading stops at the first NUL, little-endian UTF-16 units are copied, ASCII stays as it
// is, valid UTF-8 decodes exactly; a line is the whole text up to its first LF, without a
// CR before it. A pipe must give what the file gives. Formats the loader may read either
// as single-byte text or decoded (UTF-16 big-endian, UTF-32) are checked for either.
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

#include "fuzz_services.h"
#include "fuzz_text.h"
#include "support/object_registry.h"
#include "support/unicode_text.h"
#include "text_files.h"

namespace ambrel {
namespace {

std::string& input_path() {
  static std::string path;
  return path;
}

void remove_input_file() { unlink(input_path().c_str()); }

std::u16string path_text(const std::string& path) {
  return std::u16string(path.begin(), path.end());
}

struct Loaded {
  TextFormat format;
  std::u16string text;
};

// Reads in the format the mark names, or without looking for a mark in the one `flags` give.
Loaded load(std::u16string_view path, std::int32_t flags, bool detect) {
  TextFiles files;
  int handle = files.open_for_reading(kAnyNumber, path);
  fuzz_require(files.is_file(handle) != 0, "open the input");
  TextFormat format = detect ? files.detect_text_format(handle) : TextFormat::Ascii;
  std::int32_t code = detect ? static_cast<std::int32_t>(format) : 0;
  std::u16string text = files.read_text(handle, code | flags);
  files.close(handle);
  return {format, text};
}

Loaded load_from_file(std::string_view bytes, std::int32_t flags, bool detect) {
  FILE* file = std::fopen(input_path().c_str(), "wb");
  fuzz_require(file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(),
               "write the input");
  std::fclose(file);
  return load(path_text(input_path()), flags, detect);
}

// The same bytes written into a pipe by a second thread while the loader reads it.
Loaded load_from_pipe(std::string_view bytes) {
  int ends[2];
  fuzz_require(pipe(ends) == 0, "a pipe");
  std::thread writer([&] {
    std::size_t written = 0;
    while (written < bytes.size()) {
      ssize_t n = write(ends[1], bytes.data() + written, bytes.size() - written);
      if (n <= 0) break;  // the reader stopped early (at a NUL) and closed its end
      written += static_cast<std::size_t>(n);
    }
    close(ends[1]);
  });
  Loaded loaded = load(path_text("/dev/fd/" + std::to_string(ends[0])), WholeFile, true);
  close(ends[0]);
  writer.join();
  return loaded;
}

TextFormat expected_format(std::string_view b) {
  auto starts = [&](std::string_view mark) { return b.substr(0, mark.size()) == mark; };
  using namespace std::string_view_literals;
  if (starts("\xFF\xFE\0\0"sv)) return TextFormat::Utf32;
  if (starts("\xFF\xFE"sv)) return TextFormat::Utf16;
  if (starts("\xEF\xBB\xBF"sv)) return TextFormat::Utf8;
  if (starts("\xFE\xFF"sv)) return TextFormat::Utf16BigEndian;
  if (starts("\0\0\xFE\xFF"sv)) return TextFormat::Utf32BigEndian;
  return TextFormat::Ascii;
}

std::size_t mark_length(TextFormat format) {
  switch (format) {
    case TextFormat::Utf32:
    case TextFormat::Utf32BigEndian:
      return 4;
    case TextFormat::Utf8:
      return 3;
    case TextFormat::Utf16:
    case TextFormat::Utf16BigEndian:
      return 2;
    default:
      return 0;
  }
}

// Strict UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
bool is_valid_utf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    unsigned char lead = byte(i);
    std::size_t length = lead < 0x80                    ? 1
                         : lead >= 0xC2 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return false;
    }
    if (length == 3 && lead == 0xE0 && byte(i + 1) < 0xA0) return false;
    if (length == 3 && lead == 0xED && byte(i + 1) >= 0xA0) return false;
    if (length == 4 && lead == 0xF0 && byte(i + 1) < 0x90) return false;
    if (length == 4 && lead == 0xF4 && byte(i + 1) >= 0x90) return false;
    i += length;
  }
  return true;
}

// Units of `width` bytes (2 or 4) in either byte order, up to the first zero unit. UTF-16
// units are kept as they are (a lone surrogate too); a UTF-32 value that is no character
// becomes U+FFFD.
std::u16string decode_wide(std::string_view bytes, std::size_t width, bool big_endian) {
  std::u16string text;
  for (std::size_t i = 0; i + width <= bytes.size(); i += width) {
    char32_t value = 0;
    for (std::size_t k = 0; k < width; ++k) {
      auto b = static_cast<unsigned char>(bytes[i + (big_endian ? k : width - 1 - k)]);
      value = (value << 8) | b;
    }
    if (value == 0) break;
    if (width == 2) {
      text += static_cast<char16_t>(value);
    } else {
      bool character = value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
      append_code_point(text, character ? value : U'\uFFFD');
    }
  }
  return text;
}

std::string_view up_to_nul(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

void check_byte_text(std::string_view body, const std::u16string& text) {
  std::string_view prefix = up_to_nul(body);
  fuzz_require(is_valid_utf16(text), "decoded text is well-formed");
  if (is_valid_utf8(prefix))
    fuzz_require(text == utf8_to_utf16(prefix), "valid UTF-8 decodes exactly");
}

void check_wide(std::string_view body, TextFormat format, const std::u16string& text) {
  std::size_t width = format == TextFormat::Utf16 || format == TextFormat::Utf16BigEndian ? 2 : 4;
  bool big_endian = format == TextFormat::Utf16BigEndian || format == TextFormat::Utf32BigEndian;
  fuzz_require(text == decode_wide(body, width, big_endian), "wide text decodes by the NUL rule");
}

void check_whole_text(std::string_view bytes, const Loaded& loaded) {
  fuzz_require(loaded.format == expected_format(bytes), "the mark picks the format");
  fuzz_require(loaded.text.find(u'\0') == std::u16string::npos, "no NUL in the text");
  std::string_view body = bytes.substr(mark_length(loaded.format));
  switch (loaded.format) {
    case TextFormat::Utf8:
    case TextFormat::Ascii:
      check_byte_text(body, loaded.text);
      break;
    default:
      check_wide(body, loaded.format, loaded.text);
      break;
  }
}

void check_first_line(const std::u16string& whole, const std::u16string& line) {
  std::size_t end = whole.find(u'\n');
  std::u16string expected = whole.substr(0, end);
  if (end != std::u16string::npos && !expected.empty() && expected.back() == u'\r')
    expected.pop_back();
  fuzz_require(line == expected, "a line is the text up to its first LF");
}

}  // namespace
}  // namespace ambrel

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ambrel::start_fuzz_services();
  // The loader may stop reading a pipe at a NUL; the writer then gets EPIPE, not a signal.
  std::signal(SIGPIPE, SIG_IGN);
  ambrel::input_path() = "/tmp/ambrel_fuzz_load_" + std::to_string(getpid()) + ".txt";
  std::atexit(ambrel::remove_input_file);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ambrel;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Loaded from_file = load_from_file(bytes, WholeFile, true);
  check_whole_text(bytes, from_file);
  Loaded line = load_from_file(bytes, 0, true);
  check_first_line(from_file.text, line.text);
  Loaded from_pipe = load_from_pipe(bytes);
  fuzz_require(from_pipe.format == from_file.format, "a pipe: the same format");
  fuzz_require(from_pipe.text == from_file.text, "a pipe: the same text");
  return 0;
}
