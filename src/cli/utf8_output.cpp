#include "cli/utf8_output.h"

#include <algorithm>
#include <memory>

#include "support/fast_transcoding.h"
#include "support/unicode_text.h"

namespace ambrel {

bool write_utf8(std::FILE* stream, std::u16string_view text) {
  // One buffer for the whole text, converted straight into it: no allocation per slice.
  constexpr std::size_t kSlice = 1 << 16;
  auto bytes = std::make_unique<char[]>(3 * kSlice);
  while (!text.empty()) {
    std::size_t take = std::min(kSlice, text.size());
    if (take < text.size() && is_high_surrogate(text[take - 1])) --take;  // keep pairs whole
    std::size_t size = utf16_to_utf8_into(text.data(), take, bytes.get());
    if (std::fwrite(bytes.get(), 1, size, stream) != size) return false;
    text.remove_prefix(take);
  }
  return std::fflush(stream) == 0;
}

}  // namespace ambrel
