#include "text_files.h"

#include <cerrno>
#include <memory>
#include <new>

#include "support/byte_order_mark.h"
#include "support/text_decoding.h"

namespace ambrel {

namespace {

// Decodes from the read position until the decoder's text ends or the input does.
std::u16string decode_from(ByteSource& source, TextDecoder decoder) {
  std::u16string text;
  for (;;) {
    std::size_t available = source.ensure(1);
    if (available == 0) {
      decoder.finish(text);
      return text;
    }
    source.consume(decoder.decode(source.data(), available, text));
    if (decoder.ended()) return text;
  }
}

}  // namespace

std::int64_t file_size(std::u16string_view path) { return file_size(native_path(path)); }

std::int64_t file_size(const NativePath& path) {
  if (path.empty()) return -1;
  PathInfo info = inspect_path(path);
  if (info.error != 0) return -1;
  if (info.kind == FileKind::Directory) return -2;
  return info.size;
}

int TextFiles::open_for_reading(int handle, std::u16string_view path) {
  return open_for_reading(handle, native_path(path));
}

int TextFiles::open_for_reading(int handle, const NativePath& path) {
  if (!ObjectRegistry<OpenFile>::is_valid_request(handle)) return 0;
  PlatformFile file = PlatformFile::open_for_reading(path);
  if (!file.is_open()) {
    errno = file.error();
    return 0;
  }
  if (file.info().kind == FileKind::Directory) {
    errno = EISDIR;
    return 0;
  }
  int number = files_.insert(handle, std::make_unique<OpenFile>(std::move(file)));
  return handle == kAnyNumber ? number : 1;
}

int TextFiles::is_file(int handle) const { return files_.find(handle) != nullptr ? 1 : 0; }

TextFormat TextFiles::detect_text_format(int handle) {
  OpenFile* file = files_.find(handle);
  if (file == nullptr) return TextFormat::Ascii;
  std::size_t available = file->source.ensure(4);
  ByteOrderMark mark = match_byte_order_mark(file->source.data(), available);
  file->source.consume(mark.length);
  return mark.format;
}

std::u16string TextFiles::read_text(int handle, std::int32_t flags) {
  OpenFile* file = files_.find(handle);
  if (file == nullptr) return {};
  std::int32_t code = flags & kTextFormatMask;
  TextFormat format = code == 0 ? file->default_format : static_cast<TextFormat>(code);
  bool one_line = (flags & WholeFile) == 0;
  try {
    std::u16string text = decode_from(file->source, TextDecoder(format, one_line));
    file->read_error = file->source.error();
    return file->read_error == 0 ? text : std::u16string();
  } catch (const std::bad_alloc&) {
    file->read_error = ENOMEM;
    return {};
  }
}

int TextFiles::read_error(int handle) const {
  OpenFile* file = files_.find(handle);
  return file != nullptr ? file->read_error : 0;
}

void TextFiles::close(int handle) { files_.free(handle); }

}  // namespace ambrel
