// The list family on Qt: list view, list icon (a list with a titled first column), tree,
// and the explorer's file list and folder tree over the file system. Clicks on an item are
// reported as command 0, double clicks as 2.

#include <QDir>
#include <QFileSystemModel>
#include <QListWidget>
#include <QTreeView>
#include <QTreeWidget>

#include "ui/backend/qt/qt_backend.h"
#include "ui/backend/qt/qt_family_widgets.h"

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

}  // namespace

QWidget* QtBackend::make_list_widget(const ControlRequest& request, QWidget* parent) {
  switch (request.kind) {
    case ControlKind::ListView: {
      auto* list = new QListWidget(parent);
      if (request.style.multi_select) list->setSelectionMode(QAbstractItemView::ExtendedSelection);
      QObject::connect(list, &QListWidget::itemClicked, list,
                       [this, list] { report_command(list, kClickCommand); });
      QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                       [this, list] { report_command(list, kDoubleClickCommand); });
      return list;
    }
    case ControlKind::ListIcon:
    case ControlKind::Tree: {
      QTreeWidget* tree = make_item_tree(request, parent, request.kind == ControlKind::ListIcon);
      QObject::connect(tree, &QTreeWidget::itemClicked, tree,
                       [this, tree] { report_command(tree, kClickCommand); });
      QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree,
                       [this, tree] { report_command(tree, kDoubleClickCommand); });
      return tree;
    }
    case ControlKind::ExplorerList:
      return make_file_view(request, parent, false);
    case ControlKind::ExplorerTree:
      return make_file_view(request, parent, true);
    default:
      return nullptr;
  }
}

}  // namespace ambrel
