// The field family on Qt: one-line widgets for a string, an IP address, a number, a key
// sequence, a date and a choice from a list. The user's edits are reported as command 768;
// the program's changes of their text are not.

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QSpinBox>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_family_widgets.h"

namespace ambrel {

QWidget* QtBackend::make_field_widget(const ControlRequest& request, QWidget* parent) {
  QString text = to_qstring(request.text);
  const ControlStyle& style = request.style;
  switch (request.kind) {
    case ControlKind::String:
    case ControlKind::IpAddress: {
      auto* field = new QLineEdit(text, parent);
      field->setReadOnly(style.read_only);
      if (style.password) field->setEchoMode(QLineEdit::Password);
      if (request.kind == ControlKind::IpAddress)
        field->setInputMask(QStringLiteral("000.000.000.000;_"));
      QObject::connect(field, &QLineEdit::textEdited, field,
                       [this, field] { report_command(field, kChangeCommand); });
      return field;
    }
    case ControlKind::Spin: {
      auto* spin = new QSpinBox(parent);
      spin->setRange(request.range.minimum, request.range.maximum);
      spin->setReadOnly(style.read_only);
      QObject::connect(spin, &QSpinBox::valueChanged, spin,
                       [this, spin] { report_command(spin, kChangeCommand); });
      return spin;
    }
    case ControlKind::Shortcut:
      return new QKeySequenceEdit(parent);
    case ControlKind::Date: {
      auto* date = new QDateEdit(parent);
      date->setCalendarPopup(true);
      QObject::connect(date, &QDateEdit::dateChanged, date,
                       [this, date] { report_command(date, kChangeCommand); });
      return date;
    }
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(style.editable);
      if (request.kind == ControlKind::ExplorerCombo)
        combo->addItem(text.isEmpty() ? QDir::homePath() : text);
      QObject::connect(combo, &QComboBox::activated, combo,
                       [this, combo] { report_command(combo, kChangeCommand); });
      return combo;
    }
    default:
      return nullptr;
  }
}

std::optional<QString> field_widget_text(const QWidget& widget) {
  if (auto* field = qobject_cast<const QLineEdit*>(&widget)) return field->text();
  if (auto* combo = qobject_cast<const QComboBox*>(&widget)) return combo->currentText();
  if (auto* spin = qobject_cast<const QSpinBox*>(&widget)) return spin->text();
  if (auto* keys = qobject_cast<const QKeySequenceEdit*>(&widget))
    return keys->keySequence().toString();
  if (auto* date = qobject_cast<const QDateEdit*>(&widget)) return date->text();
  return std::nullopt;
}

// A date's text is not set this way: it stays the date the widget holds.
bool set_field_widget_text(QWidget& widget, const QString& text) {
  if (auto* field = qobject_cast<QLineEdit*>(&widget)) {
    field->setText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    combo->setEditText(text);
  } else if (auto* spin = qobject_cast<QSpinBox*>(&widget)) {
    QSignalBlocker quiet(spin);
    spin->setValue(text.toInt());
  } else if (auto* keys = qobject_cast<QKeySequenceEdit*>(&widget)) {
    keys->setKeySequence(QKeySequence(text));
  } else {
    return false;
  }
  return true;
}

}  // namespace ambrel
