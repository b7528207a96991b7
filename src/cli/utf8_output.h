#pragma once

#include <cstdio>
#include <string_view>

namespace ambrel {

// Writes `text` to `stream` as UTF-8, a slice at a time so a large text is never held
// twice. Returns false when the stream reports an error.
bool write_utf8(std::FILE* stream, std::u16string_view text);

}  // namespace ambrel
