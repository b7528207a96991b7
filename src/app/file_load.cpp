#include "app/file_load.h"

#include <string>
#include <utility>

#include "app/file_text_source.h"
#include "support/utf16_piece_reader.h"
#include "ui/ui_backend.h"

namespace ambrel {

FileLoad::FileLoad(NativePath path, std::uint64_t stream_limit, Reports reports)
    : path_(std::move(path)),
      stream_limit_(stream_limit),
      reports_(std::move(reports)),
      pump_(ui_event_pump()),
      self_(std::make_shared<FileLoad*>(this)),
      thread_([this] { read(); }) {}

FileLoad::~FileLoad() {
  *self_ = nullptr;
  stop_.stop();
  text_->stop();
  thread_.join();
}

// The start follows the load command's rules: an error, or a file on disk that gives no byte,
// has no text; a byte-order mark alone, or a NUL first, is the empty text.
void FileLoad::read() {
  PlatformFile file = PlatformFile::open_for_reading(path_, stop_);
  FileKind kind = file.is_open() ? file.info().kind : FileKind::Directory;
  if (kind == FileKind::Directory) return post(Report::none);
  bool on_disk = kind == FileKind::Regular;
  Utf16PieceReader reader(std::move(file));
  std::u16string piece;
  bool more = true;
  while (piece.empty() && (more = reader.next(piece))) {}
  if (!more && (reader.error() != 0 || (on_disk && !reader.read_a_byte()))) {
    return post(Report::none);
  }
  if (on_disk) text_->no_declared_reader();
  post(on_disk ? Report::begin_on_disk : Report::begin_stream);
  do {
    if (!text_->add(piece)) return;
    if (!on_disk && reader.bytes_read() >= stream_limit_) {
      post(Report::cut);  // before the end, so that it is told before the load counts as done
      return text_->end();
    }
  } while (reader.next(piece));
  text_->end();
}

void FileLoad::post(Report report) {
  if (!pump_) return;
  pump_->post([weak = std::weak_ptr<FileLoad*>(self_), report] {
    if (std::shared_ptr<FileLoad*> self = weak.lock(); self && *self) (*self)->take(report);
  });
}

// A report may end the load: what it calls is copied out of the load first.
void FileLoad::take(Report report) {
  switch (report) {
    case Report::begin_on_disk: {
      auto begin = reports_.begin;
      return begin(text_->shown_reader(), std::make_shared<FileTextSource>(path_));
    }
    case Report::begin_stream: {
      auto begin = reports_.begin;
      return begin(text_->shown_reader(), text_->declared_reader());
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
