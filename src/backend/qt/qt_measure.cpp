// Text measurement in a control's font and the style's metrics on Qt.

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>
#include <algorithm>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_text.h"

namespace ambrel {

Size QtBackend::text_extent(NativeHandle handle, std::u16string_view text) const {
  QWidget* control = widget(handle);
  QFontMetrics metrics(control ? control->font() : QApplication::font());
  return {metrics.horizontalAdvance(to_qstring(text)), metrics.height()};
}

Size QtBackend::text_block(NativeHandle handle, std::u16string_view text) const {
  QWidget* control = widget(handle);
  QFontMetrics metrics(control ? control->font() : QApplication::font());
  QString value = to_qstring(text);
  value.replace("\r\n", "\n").replace('\r', '\n');
  QRect block = metrics.boundingRect(QRect(), Qt::TextExpandTabs, value);
  return {block.width(), std::max(block.height(), metrics.height())};
}

SystemMetrics QtBackend::system_metrics() const {
  QStyle* style = QApplication::style();
  int edge = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
  int scroll = style->pixelMetric(QStyle::PM_ScrollBarExtent);
  return {edge, edge, 1, 1, scroll, scroll};
}

}  // namespace ambrel
