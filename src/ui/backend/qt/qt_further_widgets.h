#pragma once

// The text of the widgets behind the further control kinds (check boxes, fields, lists,
// links, ...), which the common text operations of the Qt backend defer to.

#include <QString>
#include <optional>

class QWidget;

namespace ambrel {

// The widget's text when it is one of the further kinds; nothing otherwise.
std::optional<QString> further_widget_text(const QWidget& widget);
// Sets it; false when the widget is not one of the further kinds.
bool set_further_widget_text(QWidget& widget, const QString& text);

}  // namespace ambrel
