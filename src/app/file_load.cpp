#include "app/file_load.h"

#include <string>
#include <utility>

#include "support/text_loading.h"

namespace ambrel {

FileLoad::FileLoad(NativePath path, std::uint64_t stream_limit, Reports reports)
    : path_(std::move(path)),
      stream_limit_(stream_limit),
      reports_(std::move(reports)),
      shown_(shown_text_->reader()),
      declared_(declared_text_->reader()),
      thread_([this] { read(); }) {}

FileLoad::~FileLoad() {
  stop_.stop();
  worker_stop_.stop();
  shown_text_->stop();
  declared_text_->stop();
  thread_.join();
  if (worker_reading_.joinable()) worker_reading_.join();
}

namespace {

// Hands the decoded text of `reader` to `text` from `piece` on, at most `limit` bytes (0: all);
// false when it stopped at the limit.
bool write_text(Utf16PieceReader& reader, std::u16string piece, TextStream& text,
                std::uint64_t limit) {
  do {
    if (!text.append(piece)) return true;
    if (limit != 0 && reader.bytes_read() >= limit) return false;
  } while (reader.next(piece));
  text.close();
  return true;
}

// The units of a file of `size` bytes whose reader gave `units` so far: exactly those once its
// text ended, else as many as its bytes so far foretell (it may still end sooner, at a NUL).
std::uint64_t expected_units(const Utf16PieceReader& reader, std::int64_t size, std::size_t units) {
  if (reader.ended()) return units;
  if (size <= 0 || reader.bytes_read() == 0) return 0;
  return static_cast<std::uint64_t>(static_cast<double>(size) /
                                    static_cast<double>(reader.bytes_read()) *
                                    static_cast<double>(units));
}

}  // namespace

// The start follows the load command's rules: an error, or a file on disk that gives no byte,
// has no text; a byte-order mark alone, or a NUL first, is the empty text.
void FileLoad::read() {
  PlatformFile file = PlatformFile::open_for_reading(path_, stop_);
  PathInfo info = file.is_open() ? file.info() : PathInfo{.kind = FileKind::Directory};
  if (info.kind == FileKind::Directory) return post(Report::none);
  bool on_disk = info.kind == FileKind::Regular;
  Utf16PieceReader reader(std::move(file));
  std::u16string piece;
  bool more = true;
  while (piece.empty() && (more = reader.next(piece))) {}
  if (!more && (reader.error() != 0 || (on_disk && !reader.read_a_byte()))) {
    return post(Report::none);
  }
  if (on_disk) {
    expected_units_ = expected_units(reader, info.size, piece.size());
    worker_reading_ = std::thread([this] { read_for_worker(); });
    post(Report::begin_on_disk);
    write_text(reader, std::move(piece), *shown_text_, 0);
    return;
  }
  // One reading for both: what the fill shows, the worker declares. Its reader is made
  // before the first piece, and before the report hands it over.
  declared_ = shown_text_->reader();
  post(Report::begin_stream);
  if (!write_text(reader, std::move(piece), *shown_text_, stream_limit_)) {
    post(Report::cut);  // before the end, so that it is told before the load counts as done
    shown_text_->close();
  }
}

void FileLoad::read_for_worker() {
  PlatformFile file = PlatformFile::open_for_reading(path_, worker_stop_);
  if (!file.is_open() || file.info().kind == FileKind::Directory) return declared_text_->close();
  Utf16PieceReader reader(std::move(file));
  std::u16string piece;
  if (!reader.next(piece)) return declared_text_->close();
  write_text(reader, std::move(piece), *declared_text_, 0);
}

void FileLoad::post(Report report) {
  posts_.post([this, report] { take(report); });
}

// A report may end the load: what it calls is copied out of the load first.
void FileLoad::take(Report report) {
  switch (report) {
    case Report::begin_on_disk:
    case Report::begin_stream: {
      auto begin = reports_.begin;
      return begin({std::move(shown_), std::move(declared_), expected_units_});
    }
    case Report::none: {
      auto none = reports_.none;
      return none();
    }
    case Report::cut: {
      auto cut = reports_.cut;
      return cut();
    }
  }
}

}  // namespace ambrel
