// Values, items, pages and scrolled areas of the Qt controls. Changes the program makes
// run with the widget's signals blocked, so they are never reported as the user's.

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_text.h"

namespace ambrel {

namespace {

int insert_position(int position, int count) {
  return position < 0 || position > count ? count : position;
}

int tree_row(const QTreeWidget& tree) {
  QTreeWidgetItem* item = tree.currentItem();
  return item ? tree.indexOfTopLevelItem(item) : -1;
}

}  // namespace

int QtBackend::control_value(NativeHandle handle) const {
  QWidget* control = is_control(handle) ? widget(handle) : nullptr;
  if (!control) return 0;
  if (auto* box = qobject_cast<QCheckBox*>(control))
    return static_cast<int>(box->checkState()) == Qt::PartiallyChecked ? 2
           : box->isChecked()                                          ? 1
                                                                       : 0;
  if (auto* option = qobject_cast<QRadioButton*>(control)) return option->isChecked() ? 1 : 0;
  if (auto* slider = qobject_cast<QAbstractSlider*>(control)) return slider->value();
  if (auto* bar = qobject_cast<QProgressBar*>(control)) return bar->value();
  if (auto* spin = qobject_cast<QSpinBox*>(control)) return spin->value();
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentIndex();
  if (auto* list = qobject_cast<QListWidget*>(control)) return list->currentRow();
  if (auto* tree = qobject_cast<QTreeWidget*>(control)) return tree_row(*tree);
  if (auto* panel = qobject_cast<QTabWidget*>(control)) return panel->currentIndex();
  return 0;
}

void QtBackend::set_control_value(NativeHandle handle, int value) {
  QWidget* control = is_control(handle) ? widget(handle) : nullptr;
  if (!control) return;
  QSignalBlocker quiet(control);
  if (auto* box = qobject_cast<QCheckBox*>(control)) {
    box->setCheckState(value == 2 && box->isTristate() ? Qt::PartiallyChecked
                       : value != 0                    ? Qt::Checked
                                                       : Qt::Unchecked);
  } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
    option->setChecked(value != 0);
  } else if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
    slider->setValue(value);
  } else if (auto* bar = qobject_cast<QProgressBar*>(control)) {
    bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
  } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
    spin->setValue(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    combo->setCurrentIndex(value);
  } else if (auto* list = qobject_cast<QListWidget*>(control)) {
    list->setCurrentRow(value);
  } else if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
    tree->setCurrentItem(tree->topLevelItem(value));
  } else if (auto* panel = qobject_cast<QTabWidget*>(control)) {
    panel->setCurrentIndex(value);
  }
}

int QtBackend::add_control_item(NativeHandle handle, int position, std::u16string_view text) {
  QWidget* control = is_control(handle) ? widget(handle) : nullptr;
  QString item = to_qstring(text);
  QSignalBlocker quiet(control);
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    int index = insert_position(position, combo->count());
    combo->insertItem(index, item);
    return index;
  }
  if (auto* list = qobject_cast<QListWidget*>(control)) {
    int index = insert_position(position, list->count());
    list->insertItem(index, item);
    return index;
  }
  if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
    int index = insert_position(position, tree->topLevelItemCount());
    tree->insertTopLevelItem(index, new QTreeWidgetItem(QStringList{item}));
    return index;
  }
  return -1;
}

NativeHandle QtBackend::add_panel_page(NativeHandle panel_handle, int position,
                                       std::u16string_view title) {
  auto* panel =
      is_control(panel_handle) ? qobject_cast<QTabWidget*>(widget(panel_handle)) : nullptr;
  if (!panel) return kNoHandle;
  auto* page = new QWidget;
  {
    QSignalBlocker quiet(panel);
    panel->insertTab(insert_position(position, panel->count()), page, to_qstring(title));
  }
  NativeHandle handle = tree_.add_control(ControlKind::PanelPage, panel_handle);
  ControlInfo info;
  info.widget = page;
  controls_.emplace(handle.value, std::move(info));
  handles_[page] = handle;
  return handle;
}

// The pages fill the panel less its tab strip and the frame around them, the room the
// dialog engine reserves for them.
Size QtBackend::panel_page_size(NativeHandle panel_handle) const {
  auto* panel =
      is_control(panel_handle) ? qobject_cast<QTabWidget*>(widget(panel_handle)) : nullptr;
  if (!panel) return {};
  return {panel->width() - 4, panel->height() - panel_tab_height(panel_handle) - 2};
}

int QtBackend::panel_tab_height(NativeHandle panel_handle) const {
  auto* panel =
      is_control(panel_handle) ? qobject_cast<QTabWidget*>(widget(panel_handle)) : nullptr;
  return panel ? panel->tabBar()->sizeHint().height() : 0;
}

Size QtBackend::scroll_inner_size(NativeHandle handle) const {
  auto* area = is_control(handle) ? qobject_cast<QScrollArea*>(widget(handle)) : nullptr;
  if (!area) return {};
  return {area->widget()->width(), area->widget()->height()};
}

void QtBackend::set_scroll_inner_size(NativeHandle handle, Size size) {
  auto* area = is_control(handle) ? qobject_cast<QScrollArea*>(widget(handle)) : nullptr;
  if (area) area->widget()->resize(size.width, size.height);
}

Size QtBackend::control_minimum_size(NativeHandle handle) const {
  QWidget* control = is_control(handle) ? widget(handle) : nullptr;
  if (!control) return {};
  QSize minimum = control->minimumSizeHint().expandedTo(QSize(0, 0));
  return {minimum.width(), minimum.height()};
}

}  // namespace ambrel
