// The clipboard's Unicode text on Qt.

#include <QClipboard>
#include <QGuiApplication>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_text.h"

namespace ambrel {

bool QtBackend::set_clipboard_text(std::u16string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(to_qstring(text));
  return true;
}

std::u16string QtBackend::clipboard_text() const {
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->text().toStdU16String() : std::u16string();
}

}  // namespace ambrel
