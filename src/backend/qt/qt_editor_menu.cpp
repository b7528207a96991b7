#include "backend/qt/qt_editor_menu.h"

#include <QAction>
#include <QMenu>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_editor_text.h"
#include "backend/qt/qt_text.h"

namespace ambrel {

namespace {
// Found by name: the class has no meta-object of its own to find it by.
const QString kMenuName = QStringLiteral("ambrel-editor-menu");
}  // namespace

QtEditorMenu& QtEditorMenu::of(QtEditorWidget& editor) {
  QObject* menu = editor.findChild<QObject*>(kMenuName, Qt::FindDirectChildrenOnly);
  return menu ? *static_cast<QtEditorMenu*>(menu) : *new QtEditorMenu(editor);
}

QtEditorMenu::QtEditorMenu(QtEditorWidget& editor) : QObject(&editor), editor_(editor) {
  setObjectName(kMenuName);
  editor.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&editor, &QWidget::customContextMenuRequested, this, &QtEditorMenu::show);
}

void QtEditorMenu::set_items(std::vector<EditorMenuItem> items,
                             std::function<void(int item)> chosen) {
  items_ = std::move(items);
  chosen_ = std::move(chosen);
}

// Not modal: the window goes on answering while the menu is up, and a menu whose editor
// goes away goes with it (it is the editor's child).
void QtEditorMenu::show(QPoint position) {
  QMenu* menu = editor_.editing_menu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (!items_.empty()) menu->addSeparator();
  for (const EditorMenuItem& item : items_) {
    QAction* action = menu->addAction(to_qstring(item.caption));
    action->setCheckable(true);
    action->setChecked(item.checked);
    connect(action, &QAction::triggered, this, [this, number = item.number] {
      if (chosen_) chosen_(number);
    });
  }
  menu->popup(editor_.viewport()->mapToGlobal(position));
}

void QtBackend::set_editor_menu_items(NativeHandle handle, std::vector<EditorMenuItem> items) {
  ControlInfo* control = find_control(handle);
  auto* editor = control ? dynamic_cast<QtEditorWidget*>(control->widget) : nullptr;
  if (!editor) return;
  QtEditorMenu::of(*editor).set_items(std::move(items), [this, handle](int item) {
    if (sink_ && find_control(handle)) sink_->on_menu_command(control_window(handle), item);
  });
}

}  // namespace ambrel
