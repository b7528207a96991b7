#include "cli/utf8_output.h"

#include <string>

#include "support/unicode_text.h"

namespace ambrel {

bool write_utf8(std::FILE* stream, std::u16string_view text) {
  constexpr std::size_t kSlice = 1 << 16;
  while (!text.empty()) {
    std::size_t take = std::min(kSlice, text.size());
    if (take < text.size() && is_high_surrogate(text[take - 1])) --take;  // keep pairs whole
    std::string bytes = utf16_to_utf8(text.substr(0, take));
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size()) return false;
    text.remove_prefix(take);
  }
  return std::fflush(stream) == 0;
}

}  // namespace ambrel
