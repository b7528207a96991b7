// The open-file dialog on Qt.

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_text.h"

namespace ambrel {

namespace {

QString qt_filter(const FileFilter& filter) {
  QString pattern =
      filter.pattern == u"*.*" ? QString("*") : to_qstring(filter.pattern).replace(';', ' ');
  return to_qstring(filter.description) + " (" + pattern + ")";
}

}  // namespace

std::u16string QtBackend::ask_open_file(const OpenFileRequest& request) {
  QStringList filters;
  for (const FileFilter& filter : request.filters) filters << qt_filter(filter);
  QString selected = request.selected_filter >= 0 && request.selected_filter < filters.size()
                         ? filters[request.selected_filter]
                         : QString();
  QString start = to_qstring(request.initial_directory);
  if (!request.proposed_name.empty())
    start = start.isEmpty() ? to_qstring(request.proposed_name)
                            : start + '/' + to_qstring(request.proposed_name);
  // Qt reads the patterns from each entry's last parentheses; the list shows only the
  // description, as given.
  QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                              to_qstring(request.title), start, filters.join(";;"),
                                              &selected, QFileDialog::HideNameFilterDetails);
  return path.toStdU16String();
}

}  // namespace ambrel
