#include "support/text_loading.h"

#include <cerrno>
#include <new>

#include "support/utf16_piece_reader.h"

namespace ambrel {

namespace {

LoadedText failure(int error) { return {error, false, {}}; }

}  // namespace

LoadedText load_text(PlatformFile file) {
  if (!file.is_open()) return failure(file.error());
  FileKind kind = file.info().kind;
  if (kind == FileKind::Directory) return failure(EISDIR);
  try {
    Utf16PieceReader reader(std::move(file));
    LoadedText loaded;
    std::u16string piece;
    while (reader.next(piece)) loaded.text += piece;
    if (reader.error() != 0) return failure(reader.error());
    loaded.empty_file = kind == FileKind::Regular && !reader.read_a_byte();
    return loaded;
  } catch (const std::bad_alloc&) {
    return failure(ENOMEM);
  }
}

LoadedText load_text_file(const NativePath& path) {
  return load_text(PlatformFile::open_for_reading(path));
}

}  // namespace ambrel
