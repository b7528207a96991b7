#include "support/utf8_stream_decoder.h"

#include <algorithm>
#include <cstddef>

#include "support/unicode_text.h"
#include "support/utf8_sequence.h"

namespace ambrel {

namespace {

// The length of the part of `bytes` made of whole sequences: all of it, unless it ends inside
// a sequence that more bytes could still finish.
std::size_t whole_sequences(const unsigned char* bytes, std::size_t size) {
  for (std::size_t back = 1; back <= std::min<std::size_t>(3, size); ++back) {
    unsigned char byte = bytes[size - back];
    if ((byte & 0xC0) != 0x80) {
      return read_utf8_sequence(bytes + size - back, back).truncated ? size - back : size;
    }
  }
  return size;
}

}  // namespace

void Utf8StreamDecoder::decode(std::string_view bytes, std::u16string& out) {
  std::string joined;
  if (!held_.empty()) {
    joined = std::move(held_);
    joined.append(bytes);
    held_.clear();
    bytes = joined;
  }
  std::size_t whole =
      whole_sequences(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  append_utf8_as_utf16(bytes.substr(0, whole), out);
  held_.assign(bytes.substr(whole));
}

void Utf8StreamDecoder::finish(std::u16string& out) {
  append_utf8_as_utf16(held_, out);
  held_.clear();
}

}  // namespace ambrel
