#include "backend/qt/qt_panel_tab_strip.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcutEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <algorithm>
#include <cstdlib>

#include "backend/qt/qt_panel_tab_accessibility.h"

namespace ambrel {

namespace {

QToolButton* scroll_button(QWidget* strip, Qt::ArrowType arrow) {
  auto* button = new QToolButton(strip);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->hide();
  return button;
}

}  // namespace

PanelTabStrip::PanelTabStrip(QWidget* parent)
    : QWidget(parent),
      scroll_left_(scroll_button(this, Qt::LeftArrow)),
      scroll_right_(scroll_button(this, Qt::RightArrow)) {
  install_panel_tab_accessibility();
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
  connect(scroll_left_, &QToolButton::clicked, this, [this] { scroll_by_tab(false); });
  connect(scroll_right_, &QToolButton::clicked, this, [this] { scroll_by_tab(true); });
}

void PanelTabStrip::insert_tab(int index, const QString& text) {
  Tab tab{text, measure(text)};
  QKeySequence mnemonic = QKeySequence::mnemonic(text);
  if (!mnemonic.isEmpty()) tab.shortcut = grabShortcut(mnemonic);
  height_ = std::max(height_, tab.size.height());
  tabs_.insert(tabs_.begin() + index, std::move(tab));
  laid_out_ = std::min(laid_out_, index);
  if (current_ < 0) {
    current_ = 0;
  } else if (index <= current_) {
    ++current_;
  }
  pressed_ = hovered_ = -1;
  fit();
  update();
}

void PanelTabStrip::remove_tab(int index) {
  if (index < 0 || index >= count()) return;
  if (int shortcut = tabs_[static_cast<std::size_t>(index)].shortcut) releaseShortcut(shortcut);
  tabs_.erase(tabs_.begin() + index);
  laid_out_ = std::min(laid_out_, index);
  height_ = 0;
  for (const Tab& tab : tabs_) height_ = std::max(height_, tab.size.height());
  // The tab after the removed one takes its place, as QTabBar chooses by default.
  if (index < current_ || current_ == count()) --current_;
  pressed_ = hovered_ = -1;
  fit();
  update();
}

QString PanelTabStrip::tab_text(int index) const {
  return index >= 0 && index < count() ? tabs_[static_cast<std::size_t>(index)].text : QString();
}

void PanelTabStrip::set_current(int index) {
  if (index < 0 || index >= count() || index == current_) return;
  current_ = index;
  make_current_visible();
  update();
  announce_current();
}

void PanelTabStrip::choose(int index) {
  if (index < 0 || index >= count() || index == current_) return;
  set_current(index);
  if (report_) report_(index);
}

void PanelTabStrip::step(int offset, bool wrap) {
  if (tabs_.empty()) return;
  int index = current_ + offset;
  if (wrap) index = (index % count() + count()) % count();
  choose(index);
}

QRect PanelTabStrip::tab_rect(int index) const {
  if (index < 0 || index >= count()) return {};
  return unscrolled_rect(index).translated(-offset_, 0);
}

int PanelTabStrip::tab_at(QPoint point) const {
  if (point.x() < 0 || point.x() >= view_width() || point.y() < 0 || point.y() >= height_)
    return -1;
  int x = point.x() + offset_;
  int index = first_tab_ending_after(x);
  return index < count() && tabs_[static_cast<std::size_t>(index)].start <= x ? index : -1;
}

QSize PanelTabStrip::sizeHint() const { return {total_width(), height_}; }

bool PanelTabStrip::event(QEvent* event) {
  QEvent::Type type = event->type();
  if (type == QEvent::HoverEnter || type == QEvent::HoverMove)
    set_hovered(tab_at(static_cast<QHoverEvent*>(event)->position().toPoint()));
  if (type == QEvent::HoverLeave) set_hovered(-1);
  if (type == QEvent::Shortcut &&
      choose_by_shortcut(static_cast<QShortcutEvent*>(event)->shortcutId())) {
    return true;
  }
  return QWidget::event(event);
}

// The tabs in view, the current one last so that it lies over its neighbours.
void PanelTabStrip::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  painter.setClipRect(0, 0, view_width(), height());
  int end = offset_ + view_width();
  QStyleOptionTab option;
  for (int index = first_tab_ending_after(offset_);
       index < count() && tabs_[static_cast<std::size_t>(index)].start < end; ++index) {
    if (index == current_) continue;
    style_option(option, index);
    painter.drawControl(QStyle::CE_TabBarTab, option);
  }
  if (current_ < 0) return;
  style_option(option, current_);
  painter.drawControl(QStyle::CE_TabBarTab, option);
}

void PanelTabStrip::fit() {
  place_scroll_buttons();
  make_current_visible();
}

void PanelTabStrip::resizeEvent(QResizeEvent* event) {
  fit();
  QWidget::resizeEvent(event);
}

void PanelTabStrip::mousePressEvent(QMouseEvent* event) {
  int index = tab_at(event->position().toPoint());
  if (event->button() != Qt::LeftButton || index < 0) {
    event->ignore();
    return;
  }
  pressed_ = index;
  if (style()->styleHint(QStyle::SH_TabBar_SelectMouseType, nullptr, this) ==
      QEvent::MouseButtonPress) {
    choose(index);
  }
  update();
}

void PanelTabStrip::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || pressed_ < 0) {
    event->ignore();
    return;
  }
  int pressed = pressed_;
  pressed_ = -1;
  if (style()->styleHint(QStyle::SH_TabBar_SelectMouseType, nullptr, this) ==
          QEvent::MouseButtonRelease &&
      tab_at(event->position().toPoint()) == pressed) {
    choose(pressed);
  }
  update();
}

// A wheel that turns in notches steps through the tabs; one that reports pixels (a touch
// pad) scrolls them.
void PanelTabStrip::wheelEvent(QWheelEvent* event) {
  if (!style()->styleHint(QStyle::SH_TabBar_AllowWheelScrolling, nullptr, this)) {
    event->ignore();
    return;
  }
  auto dominant = [](QPoint delta) {
    return std::abs(delta.y()) > std::abs(delta.x()) ? delta.y() : delta.x();
  };
  if (int pixels = dominant(event->pixelDelta())) {
    scroll_to(offset_ - pixels);
  } else if (int angle = dominant(event->angleDelta())) {
    step(angle > 0 ? -1 : 1, false);
  }
}

void PanelTabStrip::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  if (key == Qt::Key_Left) {
    step(-1, false);
  } else if (key == Qt::Key_Right) {
    step(1, false);
  } else if (key == Qt::Key_Home) {
    choose(0);
  } else if (key == Qt::Key_End) {
    choose(count() - 1);
  } else {
    event->ignore();  // on to the panel (Ctrl+Tab) and its parents
  }
}

// A tab's size depends on the font and the style besides its text.
void PanelTabStrip::changeEvent(QEvent* event) {
  QEvent::Type type = event->type();
  if (type == QEvent::FontChange || type == QEvent::StyleChange) {
    measure_all();
    fit();
    updateGeometry();
  }
  QWidget::changeEvent(event);
}

// As QTabBar measures a tab with neither icon nor buttons.
QSize PanelTabStrip::measure(const QString& text) const {
  QStyleOptionTab option;
  option.initFrom(this);
  option.shape = QTabBar::RoundedNorth;
  option.text = text;
  option.features = QStyleOptionTab::HasFrame;
  int horizontal = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
  int vertical = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
  QFontMetrics metrics = fontMetrics();
  QSize contents(metrics.size(Qt::TextShowMnemonic, text).width() + horizontal,
                 metrics.height() + vertical);
  return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
}

void PanelTabStrip::measure_all() {
  height_ = 0;
  for (Tab& tab : tabs_) {
    tab.size = measure(tab.text);
    height_ = std::max(height_, tab.size.height());
  }
  laid_out_ = 0;
}

void PanelTabStrip::lay_out_to(int index) const {
  for (; laid_out_ <= index; ++laid_out_) {
    auto at = static_cast<std::size_t>(laid_out_);
    tabs_[at].start = at == 0 ? 0 : tabs_[at - 1].start + tabs_[at - 1].size.width();
  }
}

int PanelTabStrip::total_width() const {
  if (tabs_.empty()) return 0;
  lay_out_to(count() - 1);
  return tabs_.back().start + tabs_.back().size.width();
}

QRect PanelTabStrip::unscrolled_rect(int index) const {
  lay_out_to(index);
  const Tab& tab = tabs_[static_cast<std::size_t>(index)];
  return {tab.start, 0, tab.size.width(), height_};
}

// count() if every tab ends at or before x (unscrolled).
int PanelTabStrip::first_tab_ending_after(int x) const {
  if (tabs_.empty()) return 0;
  lay_out_to(count() - 1);
  auto found = std::partition_point(tabs_.begin(), tabs_.end(), [x](const Tab& tab) {
    return tab.start + tab.size.width() <= x;
  });
  return static_cast<int>(found - tabs_.begin());
}

bool PanelTabStrip::overflows() const { return total_width() > width(); }

int PanelTabStrip::view_width() const {
  return scroll_left_->isHidden() ? width() : scroll_left_->x();
}

void PanelTabStrip::place_scroll_buttons() {
  bool overflow = overflows();
  if (overflow) {
    QStyleOption option;
    option.initFrom(this);
    scroll_left_->setGeometry(
        style()->subElementRect(QStyle::SE_TabBarScrollLeftButton, &option, this));
    scroll_right_->setGeometry(
        style()->subElementRect(QStyle::SE_TabBarScrollRightButton, &option, this));
  }
  scroll_left_->setVisible(overflow);
  scroll_right_->setVisible(overflow);
}

void PanelTabStrip::scroll_to(int offset) {
  int last = std::max(0, total_width() - view_width());
  offset = std::clamp(offset, 0, last);
  scroll_left_->setEnabled(offset > 0);
  scroll_right_->setEnabled(offset < last);
  if (offset == offset_) return;
  offset_ = offset;
  hovered_ = -1;
  update();
}

// The tab cut by the edge, or the next one beyond it, comes fully into view at that edge.
void PanelTabStrip::scroll_by_tab(bool forward) {
  if (forward) {
    int edge = offset_ + view_width();
    int index = first_tab_ending_after(edge);
    if (index < count()) scroll_to(unscrolled_rect(index).right() + 1 - view_width());
    return;
  }
  int index = first_tab_ending_after(offset_);
  if (index < count() && tabs_[static_cast<std::size_t>(index)].start < offset_) {
    scroll_to(tabs_[static_cast<std::size_t>(index)].start);
  } else if (index > 0) {
    scroll_to(unscrolled_rect(index - 1).left());
  }
}

void PanelTabStrip::make_current_visible() {
  if (current_ < 0) {
    scroll_to(0);
    return;
  }
  QRect tab = unscrolled_rect(current_);
  int view = view_width();
  if (tab.left() < offset_) {
    scroll_to(tab.left());
  } else if (tab.right() + 1 > offset_ + view) {
    scroll_to(tab.right() + 1 - view);
  } else {
    scroll_to(offset_);  // the view may have grown past the last tab
  }
}

// As QTabBar describes a tab to the style.
void PanelTabStrip::style_option(QStyleOptionTab& option, int index) const {
  option.initFrom(this);
  option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
  option.rect = tab_rect(index);
  option.row = 0;
  option.shape = QTabBar::RoundedNorth;
  option.text = tabs_[static_cast<std::size_t>(index)].text;
  option.tabIndex = index;
  option.features = QStyleOptionTab::HasFrame;
  option.documentMode = false;
  if (index == pressed_) option.state |= QStyle::State_Sunken;
  if (index == current_) option.state |= QStyle::State_Selected;
  if (index == current_ && hasFocus()) option.state |= QStyle::State_HasFocus;
  if (index == hovered_) option.state |= QStyle::State_MouseOver;
  option.selectedPosition = index == current_ + 1   ? QStyleOptionTab::PreviousIsSelected
                            : index + 1 == current_ ? QStyleOptionTab::NextIsSelected
                                                    : QStyleOptionTab::NotAdjacent;
  bool first = index == 0;
  bool last = index == count() - 1;
  option.position = first && last ? QStyleOptionTab::OnlyOneTab
                    : first       ? QStyleOptionTab::Beginning
                    : last        ? QStyleOptionTab::End
                                  : QStyleOptionTab::Middle;
}

void PanelTabStrip::set_hovered(int index) {
  if (index == hovered_) return;
  update(tab_rect(hovered_));
  hovered_ = index;
  update(tab_rect(hovered_));
}

bool PanelTabStrip::choose_by_shortcut(int shortcut) {
  auto found = std::find_if(tabs_.begin(), tabs_.end(),
                            [shortcut](const Tab& tab) { return tab.shortcut == shortcut; });
  if (found == tabs_.end()) return false;
  choose(static_cast<int>(found - tabs_.begin()));
  return true;
}

// Screen readers follow the current tab, as QTabBar tells them.
void PanelTabStrip::announce_current() {
  if (!QAccessible::isActive()) return;
  if (hasFocus()) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
  }
  QAccessibleEvent selection(this, QAccessible::Selection);
  selection.setChild(current_);
  QAccessible::updateAccessibility(&selection);
}

}  // namespace ambrel
