// The page family on Qt: the panel is a QTabWidget whose pages add_panel_page makes (a
// page change by the user is command 768); the scroll area scrolls over an inner widget
// of the size the layout gives it.

#include <QScrollArea>
#include <QTabWidget>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_family_widgets.h"

namespace ambrel {

QWidget* QtBackend::make_page_widget(const ControlRequest& request, QWidget* parent) {
  switch (request.kind) {
    case ControlKind::Panel: {
      auto* panel = new QTabWidget(parent);
      QObject::connect(panel, &QTabWidget::currentChanged, panel,
                       [this, panel] { report_command(panel, kChangeCommand); });
      return panel;
    }
    case ControlKind::ScrollArea: {
      auto* area = new QScrollArea(parent);
      area->setWidgetResizable(false);
      area->setWidget(new QWidget);
      if (request.style.border == BorderStyle::None) area->setFrameShape(QFrame::NoFrame);
      return area;
    }
    default:
      return nullptr;
  }
}

}  // namespace ambrel
