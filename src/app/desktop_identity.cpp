#include "app/desktop_identity.h"

#include <QGuiApplication>
#include <QIcon>

namespace ambrel {

void apply_desktop_identity() {
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
  // The embedded PNGs rather than the theme: the window has its icon before installation too,
  // and no SVG plugin is needed.
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(
        QStringLiteral(":/icons/%1/%2.png").arg(size).arg(QString::fromLatin1(kDesktopId)));
  }
  QGuiApplication::setWindowIcon(icon);
}

}  // namespace ambrel
