#include "app/file_text_source.h"

#include <utility>

namespace ambrel {

bool FileTextSource::next(std::u16string_view& piece) {
  if (first_pending_) {
    first_pending_ = false;
    piece = piece_;
    return true;
  }
  if (!reader_) {
    PlatformFile file = PlatformFile::open_for_reading(path_);
    if (!file.is_open() || file.info().kind == FileKind::Directory) return false;
    reader_ = std::make_unique<Utf16PieceReader>(std::move(file));
  }
  if (!reader_->next(piece_)) return false;
  piece = piece_;
  return true;
}

FileStart start_reading(const NativePath& path) {
  FileStart start;
  PlatformFile file = PlatformFile::open_for_reading(path);
  if (!file.is_open()) return start;
  FileKind kind = file.info().kind;
  if (kind == FileKind::Directory) return start;
  start.reader = std::make_unique<Utf16PieceReader>(std::move(file));
  // A mark read alone gives an empty piece: read on to the first text or the end.
  bool more = true;
  while (start.first.empty() && (more = start.reader->next(start.first))) {}
  if (!more) {
    // Ended before any text: an error, or a file on disk that gave no byte, changes nothing;
    // a mark alone or a NUL first loads the empty text.
    if (start.reader->error() != 0) return start;
    if (kind == FileKind::Regular && !start.reader->read_a_byte()) return start;
  }
  start.loads = true;
  start.on_disk = kind == FileKind::Regular;
  return start;
}

std::u16string read_to_end(FileStart& start) {
  std::u16string text = std::move(start.first);
  std::u16string piece;
  while (start.reader->next(piece)) text += piece;
  return text;
}

}  // namespace ambrel
