#include "backend/qt/qt_panel_widget.h"

#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <algorithm>

#include "backend/qt/qt_panel_tab_strip.h"

namespace ambrel {

PanelWidget::PanelWidget(QWidget* parent) : QWidget(parent), strip_(new PanelTabStrip(this)) {
  setFocusPolicy(Qt::TabFocus);
  setFocusProxy(strip_);
  strip_->on_user_choice([this](int) {
    show_current_page();
    if (report_) report_();
  });
}

void PanelWidget::insert_page(int index, QWidget* page, const QString& title) {
  page->setParent(this);
  page->setGeometry(contents_);
  page->hide();
  pages_.insert(pages_.begin() + index, page);
  strip_->insert_tab(index, title);
  show_current_page();
  lay_out();
}

int PanelWidget::current() const { return strip_->current(); }

void PanelWidget::set_current(int index) {
  strip_->set_current(index);
  show_current_page();
}

bool PanelWidget::event(QEvent* event) {
  // The strip's size changed with its font or style.
  if (event->type() == QEvent::LayoutRequest) lay_out();
  return QWidget::event(event);
}

void PanelWidget::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame option;
  frame_option(option);
  option.rect = pane_;
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

void PanelWidget::resizeEvent(QResizeEvent* event) {
  lay_out();
  QWidget::resizeEvent(event);
}

// Ctrl+Tab and Ctrl+Shift+Tab from anywhere on the panel go round its pages, as on a
// QTabWidget.
void PanelWidget::keyPressEvent(QKeyEvent* event) {
  bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  if (!tab || !(event->modifiers() & Qt::ControlModifier) || count() < 2) {
    event->ignore();
    return;
  }
  bool backward = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
  strip_->step(backward ? -1 : 1, true);
  if (!QApplication::focusWidget()) strip_->setFocus();
}

void PanelWidget::childEvent(QChildEvent* event) {
  if (event->removed() && !closing_) remove_page(event->child());
  QWidget::childEvent(event);
}

// As QTabWidget describes its frame to the style.
void PanelWidget::frame_option(QStyleOptionTabWidgetFrame& option) const {
  option.initFrom(this);
  option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  option.shape = QTabBar::RoundedNorth;
  option.tabBarSize = strip_->sizeHint();
  option.tabBarRect = strip_->geometry();
  QRect selected = strip_->tab_rect(strip_->current());
  option.selectedTabRect = selected.translated(option.tabBarRect.topLeft());
}

void PanelWidget::lay_out() {
  QStyleOptionTabWidgetFrame option;
  frame_option(option);
  strip_->setGeometry(style()->subElementRect(QStyle::SE_TabWidgetTabBar, &option, this));
  strip_->fit();
  pane_ = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
  QRect contents = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
  if (contents != contents_) {
    contents_ = contents;
    for (QWidget* page : pages_) page->setGeometry(contents_);
  }
  update();
}

void PanelWidget::show_current_page() {
  int index = current();
  QWidget* page = index >= 0 ? pages_[static_cast<std::size_t>(index)] : nullptr;
  if (page == shown_) return;
  if (shown_) shown_->hide();
  shown_ = page;
  if (shown_) shown_->show();
}

void PanelWidget::remove_page(QObject* page) {
  auto found = std::find(pages_.begin(), pages_.end(), page);
  if (found == pages_.end()) return;
  int index = static_cast<int>(found - pages_.begin());
  pages_.erase(found);
  if (shown_ == page) shown_ = nullptr;
  strip_->remove_tab(index);
  show_current_page();
  lay_out();
}

}  // namespace ambrel
