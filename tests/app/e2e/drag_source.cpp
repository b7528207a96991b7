// A drag source for the end-to-end test: a small window that, when the mouse button goes
// down on it, starts a real drag carrying the files named on the command line (as URLs and
// as text, the way file managers offer them). When the drag ends it prints what the target
// answered ("copy", "move", "link" or "ignore"); it runs until it is ended.
// Usage: drag_source FILE...

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

const char* action_name(Qt::DropAction action) {
  switch (action) {
    case Qt::CopyAction:
      return "copy";
    case Qt::MoveAction:
      return "move";
    case Qt::LinkAction:
      return "link";
    default:
      return "ignore";
  }
}

class DragSource final : public QWidget {
 public:
  explicit DragSource(QStringList files) : files_(std::move(files)) {
    setWindowTitle("ambrel drag source");
    resize(60, 60);
  }

 protected:
  void mousePressEvent(QMouseEvent*) override {
    std::fprintf(stderr, "drag source: pressed\n");
    auto* offered = new QMimeData;
    QList<QUrl> urls;
    for (const QString& file : files_) urls << QUrl::fromLocalFile(file);
    offered->setUrls(urls);
    offered->setText(files_.join('\n'));
    auto* drag = new QDrag(this);
    drag->setMimeData(offered);
    Qt::DropAction action =
        drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
    std::printf("%s\n", action_name(action));
    std::fflush(stdout);
    // The target fetches the data after the drag has ended here, so the source stays until
    // it is told to end.
    hide();
  }

 private:
  QStringList files_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QStringList files = QApplication::arguments().mid(1);
  if (files.isEmpty()) {
    std::fprintf(stderr, "usage: drag_source FILE...\n");
    return 2;
  }
  DragSource source(files);
  source.show();
  return QApplication::exec();
}
