// The headless clipboard: a text kept in memory.

#include "ui/backend/headless/headless_backend.h"

namespace ambrel {

bool HeadlessBackend::set_clipboard_text(std::u16string_view text) {
  clipboard_ = text;
  return true;
}

std::u16string HeadlessBackend::clipboard_text() const { return clipboard_; }

}  // namespace ambrel
