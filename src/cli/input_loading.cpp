#include "cli/input_loading.h"

#include <cerrno>
#include <cstring>

#include "support/object_registry.h"
#include "support/text_file.h"
#include "support/unicode_text.h"

namespace ambrel {

namespace {

LoadedInput failure(const char* reason) { return {false, {}, reason}; }

TextFormat kept_format(TextFormat detected) {
  bool kept = detected == TextFormat::Ascii || detected == TextFormat::Utf8 || detected == TextFormat::Utf16;
  return kept ? detected : TextFormat::Ascii;
}

LoadedInput read_open_file(int file) {
  TextFormat format = kept_format(detect_text_format(file));
  LoadedInput loaded{true, read_text(file, static_cast<std::int32_t>(format) | WholeFile), {}};
  close_file(file);
  return loaded;
}

}  // namespace

LoadedInput load_input_file(const std::string& path) {
  std::u16string name = utf8_to_utf16(path);
  errno = 0;
  std::int64_t size = file_size(name);
  if (size == -1) return failure(errno != 0 ? std::strerror(errno) : std::strerror(ENOENT));
  if (size == -2) return failure(std::strerror(EISDIR));
  if (size == 0) return {true, {}, {}};
  int file = open_file_for_reading(kAnyNumber, name);
  if (is_file(file) == 0) return failure(std::strerror(errno));
  return read_open_file(file);
}

LoadedInput load_standard_input() {
  int file = open_standard_input(kAnyNumber);
  if (is_file(file) == 0) return failure(std::strerror(errno));
  return read_open_file(file);
}

}  // namespace ambrel
