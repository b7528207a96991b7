#include "ui/backend/qt/qt_panel_widget.h"

#include <QEvent>
#include <QStackedWidget>

namespace ambrel {

QSize PanelTabBar::tabSizeHint(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= sizes_.size())
    return QTabBar::tabSizeHint(index);
  QSize& size = sizes_[static_cast<std::size_t>(index)].hint;
  if (!size.isValid()) size = QTabBar::tabSizeHint(index);
  return size;
}

QSize PanelTabBar::minimumTabSizeHint(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= sizes_.size())
    return QTabBar::minimumTabSizeHint(index);
  QSize& size = sizes_[static_cast<std::size_t>(index)].minimum;
  if (!size.isValid()) size = QTabBar::minimumTabSizeHint(index);
  return size;
}

void PanelTabBar::tabInserted(int index) {
  sizes_.insert(sizes_.begin() + index, Sizes{});
  QTabBar::tabInserted(index);
}

void PanelTabBar::tabRemoved(int index) {
  sizes_.erase(sizes_.begin() + index);
  QTabBar::tabRemoved(index);
}

// What a tab's size depends on besides its text, which the panel never changes.
void PanelTabBar::changeEvent(QEvent* event) {
  QEvent::Type type = event->type();
  if (type == QEvent::FontChange || type == QEvent::StyleChange)
    sizes_.assign(sizes_.size(), Sizes{});
  QTabBar::changeEvent(event);
}

PanelWidget::PanelWidget(QWidget* parent) : QTabWidget(parent) { setTabBar(new PanelTabBar(this)); }

void PanelWidget::keep_tabs_while_pages_go() {
  for (QStackedWidget* pages : findChildren<QStackedWidget*>(Qt::FindDirectChildrenOnly)) {
    QObject::disconnect(pages, nullptr, this, nullptr);
    // Each deleted current page makes the next one current, and with updates on, that
    // turns updates off and on again through every remaining page: once, here, instead.
    pages->setUpdatesEnabled(false);
  }
}

}  // namespace ambrel
