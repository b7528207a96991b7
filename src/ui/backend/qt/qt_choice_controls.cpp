// The choice family on Qt: check box and option, reporting a click as command 0. Options
// the control tree puts in one group share a QButtonGroup, so selecting one clears the
// others.

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_family_widgets.h"

namespace ambrel {

QButtonGroup* QtBackend::option_group_for(const ControlRequest& request, QWidget* parent) {
  int number = tree_.option_group_for_new(request.parent);
  OpenOptionGroup& open = option_groups_[request.parent.value];
  if (open.buttons == nullptr || open.number != number) open = {number, new QButtonGroup(parent)};
  return open.buttons;
}

QWidget* QtBackend::make_choice_widget(const ControlRequest& request, QWidget* parent) {
  QString text = to_qstring(request.text);
  switch (request.kind) {
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(text, parent);
      box->setTristate(request.style.three_state);
      QObject::connect(box, &QCheckBox::clicked, box,
                       [this, box] { report_command(box, kClickCommand); });
      return box;
    }
    case ControlKind::Option: {
      auto* option = new QRadioButton(text, parent);
      option_group_for(request, parent)->addButton(option);
      QObject::connect(option, &QRadioButton::clicked, option,
                       [this, option] { report_command(option, kClickCommand); });
      return option;
    }
    default:
      return nullptr;
  }
}

// The caption; a push button's is the button kinds' own (qt_controls.cpp).
std::optional<QString> choice_widget_text(const QWidget& widget) {
  if (auto* box = qobject_cast<const QCheckBox*>(&widget)) return box->text();
  if (auto* option = qobject_cast<const QRadioButton*>(&widget)) return option->text();
  return std::nullopt;
}

bool set_choice_widget_text(QWidget& widget, const QString& text) {
  if (auto* box = qobject_cast<QCheckBox*>(&widget)) {
    box->setText(text);
  } else if (auto* option = qobject_cast<QRadioButton*>(&widget)) {
    option->setText(text);
  } else {
    return false;
  }
  return true;
}

}  // namespace ambrel
