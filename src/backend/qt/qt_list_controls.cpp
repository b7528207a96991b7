// The list family on Qt: list view, list icon (a list with a titled first column), tree,
// and the explorer's file list and folder tree over the file system. Clicks on an item are
// reported as command Click, double clicks as DoubleClick.

#include <QDir>
#include <QFileSystemModel>
#include <QListWidget>
#include <QTreeView>
#include <QTreeWidget>

#include "backend/control_tree.h"
#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_family_widgets.h"

namespace ambrel {

namespace {

// A list icon's first column, as wide as the dialog engine creates it.
constexpr int kFirstColumnWidth = 300;

QWidget* make_file_view(const ControlRequest& request, QWidget* parent, bool folders_only) {
  auto* view = new QTreeView(parent);
  auto* model = new QFileSystemModel(view);
  if (folders_only) model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  QString path = request.text.empty() ? QDir::homePath() : to_qstring(request.text);
  view->setModel(model);
  view->setRootIndex(model->setRootPath(path));
  if (request.style.multi_select) view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  return view;
}

QTreeWidget* make_item_tree(const ControlRequest& request, QWidget* parent, bool with_header) {
  auto* tree = new QTreeWidget(parent);
  tree->setColumnCount(1);
  tree->setHeaderHidden(!with_header);
  if (with_header) {
    tree->setHeaderLabels({to_qstring(request.text)});
    tree->setColumnWidth(0, kFirstColumnWidth);
    tree->setRootIsDecorated(false);
  }
  if (request.style.multi_select) tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
  return tree;
}

int tree_row(const QTreeWidget& tree) {
  QTreeWidgetItem* item = tree.currentItem();
  return item ? tree.indexOfTopLevelItem(item) : -1;
}

}  // namespace

QWidget* QtBackend::make_widget(ListKind kind, const ControlRequest& request, QWidget* parent) {
  switch (kind) {
    case ListKind::ListView: {
      auto* list = new QListWidget(parent);
      if (request.style.multi_select) list->setSelectionMode(QAbstractItemView::ExtendedSelection);
      QObject::connect(list, &QListWidget::itemClicked, list,
                       [this, list] { report_command(list, ControlCommand::Click); });
      QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                       [this, list] { report_command(list, ControlCommand::DoubleClick); });
      return list;
    }
    case ListKind::ListIcon:
    case ListKind::Tree: {
      QTreeWidget* tree = make_item_tree(request, parent, kind == ListKind::ListIcon);
      QObject::connect(tree, &QTreeWidget::itemClicked, tree,
                       [this, tree] { report_command(tree, ControlCommand::Click); });
      QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree,
                       [this, tree] { report_command(tree, ControlCommand::DoubleClick); });
      return tree;
    }
    case ListKind::ExplorerList:
      return make_file_view(request, parent, false);
    case ListKind::ExplorerTree:
      return make_file_view(request, parent, true);
  }
  return nullptr;
}

// The current item (-1 none); the explorer's views hold none.
int widget_value(ListKind kind, const QWidget& widget) {
  switch (kind) {
    case ListKind::ListView:
      return static_cast<const QListWidget&>(widget).currentRow();
    case ListKind::ListIcon:
    case ListKind::Tree:
      return tree_row(static_cast<const QTreeWidget&>(widget));
    case ListKind::ExplorerList:
    case ListKind::ExplorerTree:
      break;
  }
  return 0;
}

void set_widget_value(ListKind kind, QWidget& widget, int value) {
  switch (kind) {
    case ListKind::ListView:
      static_cast<QListWidget&>(widget).setCurrentRow(value);
      return;
    case ListKind::ListIcon:
    case ListKind::Tree: {
      auto& tree = static_cast<QTreeWidget&>(widget);
      tree.setCurrentItem(tree.topLevelItem(value));
      return;
    }
    case ListKind::ExplorerList:
    case ListKind::ExplorerTree:
      return;
  }
}

int add_widget_item(ListKind kind, QWidget& widget, int position, const QString& item) {
  switch (kind) {
    case ListKind::ListView: {
      auto& list = static_cast<QListWidget&>(widget);
      int index = insert_position(position, list.count());
      list.insertItem(index, item);
      return index;
    }
    case ListKind::ListIcon:
    case ListKind::Tree: {
      auto& tree = static_cast<QTreeWidget&>(widget);
      int index = insert_position(position, tree.topLevelItemCount());
      tree.insertTopLevelItem(index, new QTreeWidgetItem(QStringList{item}));
      return index;
    }
    case ListKind::ExplorerList:
    case ListKind::ExplorerTree:
      break;
  }
  return -1;
}

}  // namespace ambrel
