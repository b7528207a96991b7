// The field family on Qt: one-line widgets for a string, an IP address, a number, a key
// sequence, a date and a choice from a list. The user's edits are reported as command
// Change; the program's changes of their text are not.

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QSpinBox>

#include "backend/control_tree.h"
#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_family_widgets.h"

namespace ambrel {

namespace {

// A shortcut field records Tab and Shift+Tab as it records any other key: the window layer
// leaves them to it, and Qt's own handling would move the focus instead.
class ShortcutField final : public QKeySequenceEdit {
 public:
  using QKeySequenceEdit::QKeySequenceEdit;

 protected:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QKeySequenceEdit::event(event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
      return QKeySequenceEdit::event(event);
    // Shift+Tab arrives as Backtab; it is recorded as the keys pressed, Shift and Tab.
    Qt::KeyboardModifiers modifiers = key->modifiers();
    if (key->key() == Qt::Key_Backtab) modifiers |= Qt::ShiftModifier;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, modifiers);
    keyPressEvent(&tab);
    return true;
  }
};

}  // namespace

QWidget* QtBackend::make_widget(FieldKind kind, const ControlRequest& request, QWidget* parent) {
  QString text = to_qstring(request.text);
  const ControlStyle& style = request.style;
  switch (kind) {
    case FieldKind::String:
    case FieldKind::IpAddress: {
      auto* field = new QLineEdit(text, parent);
      field->setReadOnly(style.read_only);
      if (style.password) field->setEchoMode(QLineEdit::Password);
      if (kind == FieldKind::IpAddress) field->setInputMask(QStringLiteral("000.000.000.000;_"));
      QObject::connect(field, &QLineEdit::textEdited, field,
                       [this, field] { report_command(field, ControlCommand::Change); });
      return field;
    }
    case FieldKind::Spin: {
      auto* spin = new QSpinBox(parent);
      spin->setRange(request.range.minimum, request.range.maximum);
      spin->setReadOnly(style.read_only);
      QObject::connect(spin, &QSpinBox::valueChanged, spin,
                       [this, spin] { report_command(spin, ControlCommand::Change); });
      return spin;
    }
    case FieldKind::Shortcut:
      return new ShortcutField(parent);
    case FieldKind::Date: {
      auto* date = new QDateEdit(parent);
      date->setCalendarPopup(true);
      QObject::connect(date, &QDateEdit::dateChanged, date,
                       [this, date] { report_command(date, ControlCommand::Change); });
      return date;
    }
    case FieldKind::ComboBox:
    case FieldKind::ExplorerCombo: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(style.editable);
      if (kind == FieldKind::ExplorerCombo)
        combo->addItem(text.isEmpty() ? QDir::homePath() : text);
      QObject::connect(combo, &QComboBox::activated, combo,
                       [this, combo] { report_command(combo, ControlCommand::Change); });
      return combo;
    }
  }
  return nullptr;
}

std::u16string widget_text(FieldKind kind, QWidget& widget) {
  switch (kind) {
    case FieldKind::String:
    case FieldKind::IpAddress:
      return static_cast<const QLineEdit&>(widget).text().toStdU16String();
    case FieldKind::Spin:
      return static_cast<const QSpinBox&>(widget).text().toStdU16String();
    case FieldKind::Shortcut:
      return static_cast<const QKeySequenceEdit&>(widget).keySequence().toString().toStdU16String();
    case FieldKind::Date:
      return static_cast<const QDateEdit&>(widget).text().toStdU16String();
    case FieldKind::ComboBox:
    case FieldKind::ExplorerCombo:
      return static_cast<const QComboBox&>(widget).currentText().toStdU16String();
  }
  return {};
}

// A date's text is not set this way: it stays the date the widget holds.
void set_widget_text(FieldKind kind, QWidget& widget, std::u16string_view text) {
  QString value = to_qstring(text);
  switch (kind) {
    case FieldKind::String:
    case FieldKind::IpAddress:
      static_cast<QLineEdit&>(widget).setText(value);
      return;
    case FieldKind::Spin: {
      auto& spin = static_cast<QSpinBox&>(widget);
      QSignalBlocker quiet(spin);
      spin.setValue(value.toInt());
      return;
    }
    case FieldKind::Shortcut:
      static_cast<QKeySequenceEdit&>(widget).setKeySequence(QKeySequence(value));
      return;
    case FieldKind::Date:
      set_window_title_text(widget, text);
      return;
    case FieldKind::ComboBox:
    case FieldKind::ExplorerCombo:
      static_cast<QComboBox&>(widget).setEditText(value);
      return;
  }
}

// A spin's number, a combo box's chosen item (-1 none).
int widget_value(FieldKind kind, const QWidget& widget) {
  switch (kind) {
    case FieldKind::Spin:
      return static_cast<const QSpinBox&>(widget).value();
    case FieldKind::ComboBox:
    case FieldKind::ExplorerCombo:
      return static_cast<const QComboBox&>(widget).currentIndex();
    case FieldKind::String:
    case FieldKind::IpAddress:
    case FieldKind::Shortcut:
    case FieldKind::Date:
      break;
  }
  return 0;
}

void set_widget_value(FieldKind kind, QWidget& widget, int value) {
  switch (kind) {
    case FieldKind::Spin:
      static_cast<QSpinBox&>(widget).setValue(value);
      return;
    case FieldKind::ComboBox:
    case FieldKind::ExplorerCombo:
      static_cast<QComboBox&>(widget).setCurrentIndex(value);
      return;
    case FieldKind::String:
    case FieldKind::IpAddress:
    case FieldKind::Shortcut:
    case FieldKind::Date:
      return;
  }
}

int add_widget_item(FieldKind kind, QWidget& widget, int position, const QString& item) {
  switch (kind) {
    case FieldKind::ComboBox:
    case FieldKind::ExplorerCombo: {
      auto& combo = static_cast<QComboBox&>(widget);
      int index = insert_position(position, combo.count());
      combo.insertItem(index, item);
      return index;
    }
    case FieldKind::String:
    case FieldKind::IpAddress:
    case FieldKind::Spin:
    case FieldKind::Shortcut:
    case FieldKind::Date:
      break;
  }
  return -1;
}

}  // namespace ambrel
