#include "app/clipboard.h"

#include "ui/ui_backend.h"

namespace ambrel {

void clipboard_set_text(std::u16string_view text) {
  if (BackendDesktop* desktop = ui_desktop()) desktop->set_clipboard_text(text);
}

}  // namespace ambrel
