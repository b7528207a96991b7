#include "support/text_loading.h"

#include <cerrno>
#include <new>

namespace ambrel {

bool Utf16PieceReader::next(std::u16string& piece) {
  piece.clear();
  if (done_) return false;
  std::ptrdiff_t got = file_.read(buffer_.data(), buffer_.size());
  if (got < 0) {
    error_ = file_.error();
    done_ = true;
    return false;
  }
  if (got == 0) {
    decoder_.finish(piece);
    done_ = true;
    return !piece.empty();
  }
  read_a_byte_ = true;
  bytes_read_ += static_cast<std::uint64_t>(got);
  decoder_.decode(buffer_.data(), static_cast<std::size_t>(got), piece);
  done_ = decoder_.ended();
  return true;
}

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
