// Text measurement and metrics of the headless backend: fixed figures, no font.

#include <algorithm>

#include "backend/headless/headless_backend.h"

namespace ambrel {

Size HeadlessBackend::text_extent(NativeHandle, std::u16string_view text) const {
  return {static_cast<int>(text.size()) * kCharWidth, kLineHeight};
}

Size HeadlessBackend::text_block(NativeHandle, std::u16string_view text) const {
  int lines = 0;
  int widest = 0;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find_first_of(u"\r\n", start);
    std::size_t line_end = end == std::u16string_view::npos ? text.size() : end;
    widest = std::max(widest, static_cast<int>(line_end - start));
    ++lines;
    if (end == std::u16string_view::npos) break;
    start = end + 1;
    if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') ++start;
  }
  return {widest * kCharWidth, lines * kLineHeight};
}

SystemMetrics HeadlessBackend::system_metrics() const { return {2, 2, 1, 1, 17, 17}; }

}  // namespace ambrel
