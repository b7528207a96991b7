#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// Turns UTF-8 that comes in pieces (a clipboard's transfer) into UTF-16, as utf8_to_utf16 turns
// the whole: a sequence cut by the end of a piece is finished with the next one.
class Utf8StreamDecoder {
 public:
  // Appends the text of `bytes` to `out`, holding back a sequence the piece's end cuts short.
  void decode(std::string_view bytes, std::u16string& out);
  // The bytes have ended: what was held back becomes U+FFFD.
  void finish(std::u16string& out);

 private:
  std::string held_;
};

}  // namespace ambrel
