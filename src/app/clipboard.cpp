#include "app/clipboard.h"

#include "ui/platform.h"

namespace ambrel {

std::u16string clipboard_get_text() {
  Backend* backend = ui_backend();
  return backend ? backend->clipboard_text() : std::u16string();
}

void clipboard_set_text(std::u16string_view text) {
  if (Backend* backend = ui_backend()) backend->set_clipboard_text(text);
}

}  // namespace ambrel
