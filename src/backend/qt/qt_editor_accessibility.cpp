// The editors as a screen reader reads them: their text by characters, the caret and the
// selection, each counted when asked (a 200 MB text has no cheap character offsets, so none
// is kept up to date for a reader that may not be listening).

#include "backend/qt/qt_editor_accessibility.h"

#include <QAccessibleWidget>
#include <algorithm>
#include <string>

#include "backend/qt/qt_editor_text.h"

namespace ambrel {

namespace {

class EditorAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit EditorAccessible(QtEditorWidget* editor)
      : QAccessibleWidget(editor, QAccessible::EditableText) {}

  using QAccessibleWidget::text;  // the name and the like, beside the text interface's text

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.multiLine = true;
    state.selectableText = true;
    state.readOnly = editor().read_only();
    state.editable = !state.readOnly;
    return state;
  }

  void selection(int index, int* start, int* end) const override {
    long from = send(SCI_GETSELECTIONSTART), to = send(SCI_GETSELECTIONEND);
    bool none = index != 0 || from == to;
    *start = none ? 0 : offset_of(from);
    *end = none ? 0 : offset_of(to);
  }
  int selectionCount() const override {
    return send(SCI_GETSELECTIONSTART) == send(SCI_GETSELECTIONEND) ? 0 : 1;
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { send(SCI_SETEMPTYSELECTION, send(SCI_GETCURRENTPOS)); }
  void setSelection(int, int start, int end) override {
    send(SCI_SETSEL, position_of(start), position_of(end));
  }

  int cursorPosition() const override { return offset_of(send(SCI_GETCURRENTPOS)); }
  void setCursorPosition(int offset) override { send(SCI_GOTOPOS, position_of(offset)); }

  QString text(int start, int end) const override {
    long from = position_of(start), to = std::max(from, position_of(end));
    return QString::fromStdString(editor().text_range(from, to));
  }
  int characterCount() const override { return offset_of(send(SCI_GETLENGTH)); }

  QRect characterRect(int offset) const override {
    long position = position_of(offset);
    auto x = static_cast<int>(send(SCI_POINTXFROMPOSITION, 0, position));
    auto y = static_cast<int>(send(SCI_POINTYFROMPOSITION, 0, position));
    auto width = static_cast<int>(send(SCI_POINTXFROMPOSITION, 0, position_after(position))) - x;
    auto height = static_cast<int>(send(SCI_TEXTHEIGHT, send(SCI_LINEFROMPOSITION, position)));
    QPoint corner = editor().viewport()->mapToGlobal(QPoint(x, y));
    return {corner.x(), corner.y(), std::max(width, 1), height};
  }
  int offsetAtPoint(const QPoint& point) const override {
    QPoint inside = editor().viewport()->mapFromGlobal(point);
    return offset_of(send(SCI_POSITIONFROMPOINTCLOSE, inside.x(), inside.y()));
  }
  void scrollToSubstring(int start, int end) override {
    send(SCI_SCROLLRANGE, position_of(end), position_of(start));
  }
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  QtEditorWidget& editor() const { return *static_cast<QtEditorWidget*>(widget()); }
  long send(unsigned int message, long first = 0, long second = 0) const {
    return static_cast<long>(editor().send(message, static_cast<uptr_t>(first), second));
  }
  // Characters are code points; offsets past the end stand for the end.
  int offset_of(long position) const {
    return static_cast<int>(send(SCI_COUNTCHARACTERS, 0, position));
  }
  long position_of(int offset) const {
    long position = send(SCI_POSITIONRELATIVE, 0, std::max(offset, 0));
    return offset > 0 && position == 0 ? send(SCI_GETLENGTH) : position;
  }
  long position_after(long position) const { return send(SCI_POSITIONAFTER, position); }
};

QAccessibleInterface* editor_accessible(const QString&, QObject* object) {
  auto* editor = dynamic_cast<QtEditorWidget*>(object);
  return editor ? new EditorAccessible(editor) : nullptr;
}

}  // namespace

// Qt asks the factory installed last first, and each QApplication installs the widgets' own
// as it is made: with each editor, ours goes last again.
void use_editor_accessibility() {
  QAccessible::removeFactory(editor_accessible);
  QAccessible::installFactory(editor_accessible);
}

}  // namespace ambrel
