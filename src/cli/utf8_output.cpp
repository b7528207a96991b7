#include "cli/utf8_output.h"

#include <algorithm>

#include "support/fast_transcoding.h"
#include "support/unicode_text.h"

namespace ambrel {

namespace {

constexpr std::size_t kSlice = 1 << 16;

}  // namespace

Utf8Writer::Utf8Writer(std::FILE* stream)
    : stream_(stream), bytes_(std::make_unique<char[]>(3 * kSlice)) {}

bool Utf8Writer::write(std::u16string_view text) {
  while (!text.empty()) {
    std::size_t take = std::min(kSlice, text.size());
    if (take < text.size() && is_high_surrogate(text[take - 1])) --take;  // keep pairs whole
    std::size_t size = utf16_to_utf8_into(text.data(), take, bytes_.get());
    if (std::fwrite(bytes_.get(), 1, size, stream_) != size) return false;
    text.remove_prefix(take);
  }
  return true;
}

bool write_utf8(std::FILE* stream, std::u16string_view text) {
  return Utf8Writer(stream).write(text) && std::fflush(stream) == 0;
}

}  // namespace ambrel
