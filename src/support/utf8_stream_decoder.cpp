#include "support/utf8_stream_decoder.h"

#include <algorithm>
#include <cstddef>

#include "support/fast_transcoding.h"
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

// Appends the UTF-16 form of whole sequences: runs at memory speed, the rest one by one.
void convert(const unsigned char* bytes, std::size_t size, std::u16string& out) {
  std::size_t start = out.size();
  out.resize(start + size);  // never more units than bytes
  char16_t* units = out.data() + start;
  std::size_t written = 0;
  std::size_t at = 0;
  while (at < size) {
    FastRun run = utf8_run_to_utf16(bytes + at, size - at, units + written);
    at += run.bytes;
    written += run.units;
    if (at == size) break;
    Utf8Sequence sequence = read_utf8_sequence(bytes + at, size - at);
    std::u16string one;
    append_code_point(one, sequence.valid ? sequence.code_point : kReplacementCharacter);
    std::copy(one.begin(), one.end(), units + written);
    written += one.size();
    at += sequence.length;
  }
  out.resize(start + written);
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
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t whole = whole_sequences(data, bytes.size());
  convert(data, whole, out);
  held_.assign(bytes.substr(whole));
}

void Utf8StreamDecoder::finish(std::u16string& out) {
  out += utf8_to_utf16(held_);
  held_.clear();
}

}  // namespace ambrel
