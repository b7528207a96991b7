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

  bool next(std::u16string_view& piece) override;
  // Also ends a wait for a FIFO's writer, should the name have become one since.
  void stop() override { stop_.stop(); }

 private:
  NativePath path_;
  FileWaitStop stop_;
  std::unique_ptr<Utf16PieceReader> reader_;
  std::u16string piece_;
};

}  // namespace ambrel
