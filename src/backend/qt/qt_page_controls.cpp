// The page family on Qt: the panel is a PanelWidget (qt_panel_widget.h) whose pages add_panel_page
// makes (a page change by the user is command Change); the scroll area scrolls over an inner widget
// of the size the layout gives it.

#include <QScrollArea>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_family_widgets.h"
#include "backend/qt/qt_panel_widget.h"

namespace ambrel {

QWidget* QtBackend::make_widget(PageKind kind, const ControlRequest& request, QWidget* parent) {
  switch (kind) {
    case PageKind::Panel: {
      auto* panel = new PanelWidget(parent);
      panel->on_user_change([this, panel] { report_command(panel, ControlCommand::Change); });
      return panel;
    }
    case PageKind::ScrollArea: {
      auto* area = new QScrollArea(parent);
      area->setWidgetResizable(false);
      area->setWidget(new QWidget);
      if (request.style.border == BorderStyle::None) area->setFrameShape(QFrame::NoFrame);
      return area;
    }
    case PageKind::PanelPage:  // made by add_panel_page
      break;
  }
  return nullptr;
}

// The panel's current page.
int widget_value(PageKind kind, const QWidget& widget) {
  switch (kind) {
    case PageKind::Panel:
      return static_cast<const PanelWidget&>(widget).current();
    case PageKind::ScrollArea:
    case PageKind::PanelPage:
      break;
  }
  return 0;
}

void set_widget_value(PageKind kind, QWidget& widget, int value) {
  switch (kind) {
    case PageKind::Panel:
      static_cast<PanelWidget&>(widget).set_current(value);
      return;
    case PageKind::ScrollArea:
    case PageKind::PanelPage:
      return;
  }
}

}  // namespace ambrel
