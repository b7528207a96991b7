// The picture family on Qt: image and canvas are labels (framed when their flags ask for a
// border); the button image is a push button, reporting a click as command Click.

#include <QLabel>
#include <QPushButton>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_family_widgets.h"

namespace ambrel {

QWidget* QtBackend::make_widget(PictureKind kind, const ControlRequest& request, QWidget* parent) {
  switch (kind) {
    case PictureKind::Image:
    case PictureKind::Canvas: {
      auto* area = new QLabel(parent);
      if (request.style.border != BorderStyle::None)
        area->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
      return area;
    }
    case PictureKind::ButtonImage: {
      auto* button = new QPushButton(parent);
      button->setCheckable(request.style.toggle);
      QObject::connect(button, &QPushButton::clicked, button,
                       [this, button] { report_command(button, ControlCommand::Click); });
      return button;
    }
  }
  return nullptr;
}

std::u16string widget_text(PictureKind kind, QWidget& widget) {
  switch (kind) {
    case PictureKind::Image:
    case PictureKind::Canvas:
      return static_cast<const QLabel&>(widget).text().toStdU16String();
    case PictureKind::ButtonImage:
      return static_cast<const QPushButton&>(widget).text().toStdU16String();
  }
  return {};
}

void set_widget_text(PictureKind kind, QWidget& widget, std::u16string_view text) {
  switch (kind) {
    case PictureKind::Image:
    case PictureKind::Canvas:
      static_cast<QLabel&>(widget).setText(to_qstring(text));
      return;
    case PictureKind::ButtonImage:
      static_cast<QPushButton&>(widget).setText(to_qstring(text));
      return;
  }
}

}  // namespace ambrel
