// The range family on Qt: scroll bar, progress bar and track bar, laid out across or down
// as the style says. The bars the user moves report each action as command 0.

#include <QProgressBar>
#include <QScrollBar>
#include <QSlider>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_family_widgets.h"

namespace ambrel {

namespace {

Qt::Orientation orientation(const ControlStyle& style) {
  return style.vertical ? Qt::Vertical : Qt::Horizontal;
}

}  // namespace

QWidget* QtBackend::make_range_widget(const ControlRequest& request, QWidget* parent) {
  const ControlRange& range = request.range;
  switch (request.kind) {
    case ControlKind::ScrollBar: {
      auto* bar = new QScrollBar(orientation(request.style), parent);
      bar->setRange(range.minimum, range.maximum);
      bar->setPageStep(range.page);
      QObject::connect(bar, &QScrollBar::actionTriggered, bar,
                       [this, bar] { report_command(bar, kClickCommand); });
      return bar;
    }
    case ControlKind::ProgressBar: {
      auto* bar = new QProgressBar(parent);
      bar->setOrientation(orientation(request.style));
      bar->setRange(range.minimum, range.maximum);
      bar->setTextVisible(false);
      return bar;
    }
    case ControlKind::TrackBar: {
      auto* slider = new QSlider(orientation(request.style), parent);
      slider->setRange(range.minimum, range.maximum);
      if (request.style.ticks) slider->setTickPosition(QSlider::TicksBelow);
      QObject::connect(slider, &QSlider::actionTriggered, slider,
                       [this, slider] { report_command(slider, kClickCommand); });
      return slider;
    }
    default:
      return nullptr;
  }
}

}  // namespace ambrel
