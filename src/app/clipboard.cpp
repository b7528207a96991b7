#include "app/clipboard.h"

#include "ui/ui_backend.h"

namespace ambrel {

std::u16string clipboard_get_text() {
  BackendDesktop* desktop = ui_desktop();
  return desktop ? desktop->clipboard_text() : std::u16string();
}

void clipboard_set_text(std::u16string_view text) {
  if (BackendDesktop* desktop = ui_desktop()) desktop->set_clipboard_text(text);
}

}  // namespace ambrel
