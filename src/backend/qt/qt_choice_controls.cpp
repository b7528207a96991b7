// The choice family on Qt: check box and option, reporting a click as command Click. Options
// the control tree puts in one group share a QButtonGroup, so selecting one clears the
// others.

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_family_widgets.h"

namespace ambrel {

QButtonGroup* QtBackend::option_group_for(const ControlRequest& request, QWidget* parent) {
  int number = tree_.option_group_for_new(request.parent);
  OpenOptionGroup& open = option_groups_[request.parent.value];
  if (open.buttons == nullptr || open.number != number) open = {number, new QButtonGroup(parent)};
  return open.buttons;
}

QWidget* QtBackend::make_widget(ChoiceKind kind, const ControlRequest& request, QWidget* parent) {
  QString text = to_qstring(request.text);
  switch (kind) {
    case ChoiceKind::CheckBox: {
      auto* box = new QCheckBox(text, parent);
      box->setTristate(request.style.three_state);
      QObject::connect(box, &QCheckBox::clicked, box,
                       [this, box] { report_command(box, ControlCommand::Click); });
      return box;
    }
    case ChoiceKind::Option: {
      auto* option = new QRadioButton(text, parent);
      option_group_for(request, parent)->addButton(option);
      QObject::connect(option, &QRadioButton::clicked, option,
                       [this, option] { report_command(option, ControlCommand::Click); });
      return option;
    }
  }
  return nullptr;
}

// Both are buttons with their caption.
std::u16string widget_text(ChoiceKind, QWidget& widget) {
  return static_cast<const QAbstractButton&>(widget).text().toStdU16String();
}

void set_widget_text(ChoiceKind, QWidget& widget, std::u16string_view text) {
  static_cast<QAbstractButton&>(widget).setText(to_qstring(text));
}

// 1 checked, 0 not, 2 a three-state box's mixed mark.
int widget_value(ChoiceKind kind, const QWidget& widget) {
  switch (kind) {
    case ChoiceKind::CheckBox: {
      Qt::CheckState state = static_cast<const QCheckBox&>(widget).checkState();
      return state == Qt::PartiallyChecked ? 2 : state == Qt::Checked ? 1 : 0;
    }
    case ChoiceKind::Option:
      return static_cast<const QRadioButton&>(widget).isChecked() ? 1 : 0;
  }
  return 0;
}

void set_widget_value(ChoiceKind kind, QWidget& widget, int value) {
  switch (kind) {
    case ChoiceKind::CheckBox: {
      auto& box = static_cast<QCheckBox&>(widget);
      box.setCheckState(value == 2 && box.isTristate() ? Qt::PartiallyChecked
                        : value != 0                   ? Qt::Checked
                                                       : Qt::Unchecked);
      return;
    }
    case ChoiceKind::Option:
      static_cast<QRadioButton&>(widget).setChecked(value != 0);
      return;
  }
}

}  // namespace ambrel
