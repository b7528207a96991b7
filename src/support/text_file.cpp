#include "support/text_file.h"

#include <memory>
#include <new>

#include "support/byte_source.h"
#include "support/file_access.h"
#include "support/object_registry.h"
#include "support/text_decoding.h"
#include "support/unicode_text.h"

namespace ambrel {

namespace {

struct OpenFile {
  explicit OpenFile(int fd) : source(fd) {}
  ~OpenFile() { close_descriptor(source.fd()); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  ByteSource source;
  TextFormat default_format = TextFormat::Utf8;
};

std::unique_ptr<ObjectRegistry<OpenFile>>& registry() {
  static std::unique_ptr<ObjectRegistry<OpenFile>> files;
  return files;
}

OpenFile* find_file(int handle) { return registry() ? registry()->find(handle) : nullptr; }

int register_file(int handle, int fd) {
  int number = registry()->insert(handle, std::make_unique<OpenFile>(fd));
  return handle == kAnyNumber ? number : 1;
}

struct ByteOrderMark {
  TextFormat format;
  std::size_t length;
};

// The first rule that matches wins, so the UTF-32 mark is tried before the UTF-16 one.
ByteOrderMark match_byte_order_mark(const unsigned char* b, std::size_t n) {
  if (n >= 4 && b[0] == 0xFF && b[1] == 0xFE && b[2] == 0 && b[3] == 0) return {TextFormat::Utf32, 4};
  if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) return {TextFormat::Utf16, 2};
  if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return {TextFormat::Utf8, 3};
  if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) return {TextFormat::Utf16BigEndian, 2};
  if (n >= 4 && b[0] == 0 && b[1] == 0 && b[2] == 0xFE && b[3] == 0xFF) {
    return {TextFormat::Utf32BigEndian, 4};
  }
  return {TextFormat::Ascii, 0};
}

}  // namespace

void file_library_init() { registry() = std::make_unique<ObjectRegistry<OpenFile>>(); }

void file_library_end() { registry().reset(); }

int open_file_for_reading(int handle, std::u16string_view path) {
  if (!registry() || !ObjectRegistry<OpenFile>::is_valid_request(handle)) return 0;
  int fd = open_read_descriptor(path);
  if (fd < 0) return 0;
  return register_file(handle, fd);
}

int open_standard_input(int handle) {
  if (!registry() || !ObjectRegistry<OpenFile>::is_valid_request(handle)) return 0;
  int fd = duplicate_standard_input();
  if (fd < 0) return 0;
  return register_file(handle, fd);
}

int is_file(int handle) { return find_file(handle) != nullptr ? 1 : 0; }

TextFormat detect_text_format(int handle) {
  OpenFile* file = find_file(handle);
  if (file == nullptr) return TextFormat::Ascii;
  std::size_t available = file->source.ensure(4);
  ByteOrderMark mark = match_byte_order_mark(file->source.data(), available);
  file->source.consume(mark.length);
  return mark.format;
}

std::u16string read_text(int handle, std::int32_t flags) {
  OpenFile* file = find_file(handle);
  if (file == nullptr) return {};
  std::int32_t code = flags & kTextFormatMask;
  TextFormat format = code == 0 ? file->default_format : static_cast<TextFormat>(code);
  bool one_line = (flags & WholeFile) == 0;
  try {
    switch (format) {
      case TextFormat::Utf16: return decode_utf16_le(file->source, one_line);
      case TextFormat::Utf8: return decode_utf8(file->source, one_line);
      default: return decode_single_byte(file->source, one_line);
    }
  } catch (const std::bad_alloc&) {
    return {};
  }
}

void close_file(int handle) {
  if (registry()) registry()->free(handle);
}

}  // namespace ambrel
