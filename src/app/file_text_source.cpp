#include "app/file_text_source.h"

#include <utility>

namespace ambrel {

bool FileTextSource::next(std::u16string_view& piece) {
  if (!reader_) {
    PlatformFile file = PlatformFile::open_for_reading(path_, stop_);
    if (!file.is_open() || file.info().kind == FileKind::Directory) return false;
    reader_ = std::make_unique<Utf16PieceReader>(std::move(file));
  }
  if (!reader_->next(piece_)) return false;
  piece = piece_;
  return true;
}

}  // namespace ambrel
