// The clipboard's Unicode text on Qt.

#include <QClipboard>
#include <QGuiApplication>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_text.h"
#include "backend/qt/x_clipboard_reading.h"

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

// Under X, a clipboard another program holds is read in a thread of its own.
std::unique_ptr<ClipboardReading> QtBackend::read_clipboard_text(
    const std::shared_ptr<TextStream>& text) {
  if (std::unique_ptr<ClipboardReading> reading = start_x_clipboard_reading(text)) return reading;
  return read_whole_clipboard_text(text);
}

}  // namespace ambrel
