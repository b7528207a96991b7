#pragma once

#include <cstdio>
#include <memory>
#include <string_view>

namespace ambrel {

// Writes UTF-16 text to a stream as UTF-8, a slice at a time into one buffer of its own, so
// a large text is never held twice. Each text given ends outside a surrogate pair.
class Utf8Writer {
 public:
  explicit Utf8Writer(std::FILE* stream);

  // False when the stream reports an error; errno says which.
  bool write(std::u16string_view text);

 private:
  std::FILE* stream_;
  std::unique_ptr<char[]> bytes_;
};

// Writes `text` to `stream` as UTF-8 and flushes it. Returns false when the stream reports
// an error.
bool write_utf8(std::FILE* stream, std::u16string_view text);

}  // namespace ambrel
