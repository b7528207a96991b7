// The picture family on Qt: image and canvas are labels (framed when their flags ask for a
// border); the button image is a push button, reporting a click as command 0.

#include <QLabel>
#include <QPushButton>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_family_widgets.h"

namespace ambrel {

QWidget* QtBackend::make_picture_widget(const ControlRequest& request, QWidget* parent) {
  switch (request.kind) {
    case ControlKind::Image:
    case ControlKind::Canvas: {
      auto* area = new QLabel(parent);
      if (request.style.border != BorderStyle::None)
        area->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
      return area;
    }
    case ControlKind::ButtonImage: {
      auto* button = new QPushButton(parent);
      button->setCheckable(request.style.toggle);
      QObject::connect(button, &QPushButton::clicked, button,
                       [this, button] { report_command(button, kClickCommand); });
      return button;
    }
    default:
      return nullptr;
  }
}

}  // namespace ambrel
