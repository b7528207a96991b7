// The range family on Qt: scroll bar, progress bar and track bar, laid out across or down
// as the style says. The bars the user moves report each action as command Click.

#include <QProgressBar>
#include <QScrollBar>
#include <QSlider>
#include <algorithm>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_family_widgets.h"

namespace ambrel {

namespace {

Qt::Orientation orientation(const ControlStyle& style) {
  return style.vertical ? Qt::Vertical : Qt::Horizontal;
}

}  // namespace

QWidget* QtBackend::make_widget(RangeKind kind, const ControlRequest& request, QWidget* parent) {
  const ControlRange& range = request.range;
  switch (kind) {
    case RangeKind::ScrollBar: {
      auto* bar = new QScrollBar(orientation(request.style), parent);
      bar->setRange(range.minimum, range.maximum);
      bar->setPageStep(range.page);
      QObject::connect(bar, &QScrollBar::actionTriggered, bar,
                       [this, bar] { report_command(bar, ControlCommand::Click); });
      return bar;
    }
    case RangeKind::ProgressBar: {
      auto* bar = new QProgressBar(parent);
      bar->setOrientation(orientation(request.style));
      bar->setRange(range.minimum, range.maximum);
      bar->setTextVisible(false);
      return bar;
    }
    case RangeKind::TrackBar: {
      auto* slider = new QSlider(orientation(request.style), parent);
      slider->setRange(range.minimum, range.maximum);
      if (request.style.ticks) slider->setTickPosition(QSlider::TicksBelow);
      QObject::connect(slider, &QSlider::actionTriggered, slider,
                       [this, slider] { report_command(slider, ControlCommand::Click); });
      return slider;
    }
  }
  return nullptr;
}

// The position within the range.
int widget_value(RangeKind kind, const QWidget& widget) {
  switch (kind) {
    case RangeKind::ScrollBar:
    case RangeKind::TrackBar:
      return static_cast<const QAbstractSlider&>(widget).value();
    case RangeKind::ProgressBar:
      return static_cast<const QProgressBar&>(widget).value();
  }
  return 0;
}

void set_widget_value(RangeKind kind, QWidget& widget, int value) {
  switch (kind) {
    case RangeKind::ScrollBar:
    case RangeKind::TrackBar:
      static_cast<QAbstractSlider&>(widget).setValue(value);
      return;
    case RangeKind::ProgressBar: {
      auto& bar = static_cast<QProgressBar&>(widget);
      bar.setValue(std::clamp(value, bar.minimum(), bar.maximum()));
      return;
    }
  }
}

}  // namespace ambrel
