#pragma once

// A file's text as the load command decodes it (byte-order mark, NUL end), read a piece at a
// time, so that what is held does not grow with the file.

#include <memory>
#include <string>

#include "app/text_source.h"
#include "support/platform_file.h"
#include "support/utf16_piece_reader.h"

namespace ambrel {

class FileTextSource final : public TextSource {
 public:
  // Opens `path` at the first next(), on the thread that reads; a file that cannot be opened
  // then is an empty text.
  explicit FileTextSource(NativePath path) : path_(std::move(path)) {}
  // Goes on from a reader whose text so far was `first`.
  FileTextSource(std::unique_ptr<Utf16PieceReader> reader, std::u16string first)
      : reader_(std::move(reader)), piece_(std::move(first)), first_pending_(true) {}

  bool next(std::u16string_view& piece) override;

 private:
  NativePath path_;
  std::unique_ptr<Utf16PieceReader> reader_;
  std::u16string piece_;
  bool first_pending_ = false;
};

// What the start of a file to load says, read on the user-interface thread before anything
// changes: whether it has a text to load (an empty file, a directory and one that cannot be
// opened or read have none), and the reader to go on with.
struct FileStart {
  bool loads = false;
  // A file on disk, which a second reader reads alike; a pipe or device gives its text once.
  bool on_disk = false;
  std::unique_ptr<Utf16PieceReader> reader;
  std::u16string first;  // the text of the first bytes read
};
FileStart start_reading(const NativePath& path);

// The whole text of a started file: `first` and the rest of it.
std::u16string read_to_end(FileStart& start);

}  // namespace ambrel
