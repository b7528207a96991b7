#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <vector>

#include "backend/backend_controls.h"

namespace ambrel {

class QtEditorWidget;

// The program's own items of an editor's context menu, shown after the editing items.
class QtEditorMenu final : public QObject {
 public:
  // The editor's menu, made on first use; it lives as long as the editor.
  static QtEditorMenu& of(QtEditorWidget& editor);

  // `chosen` hears the number of the item the user chose.
  void set_items(std::vector<EditorMenuItem> items, std::function<void(int item)> chosen);

 private:
  explicit QtEditorMenu(QtEditorWidget& editor);
  void show(QPoint position);

  QtEditorWidget& editor_;
  std::vector<EditorMenuItem> items_;
  std::function<void(int item)> chosen_;
};

}  // namespace ambrel
