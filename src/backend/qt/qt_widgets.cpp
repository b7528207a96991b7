#include "backend/qt/qt_widgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include "backend/qt/qt_backend.h"
#include "backend/qt/qt_drops.h"

namespace ambrel {

namespace {

WindowState state_of(const QWidget& widget) {
  if (widget.isMinimized()) return WindowState::Minimized;
  if (widget.isMaximized()) return WindowState::Maximized;
  return WindowState::Normal;
}

}  // namespace

int modifier_bits(Qt::KeyboardModifiers modifiers) {
  int bits = 0;
  if (modifiers & Qt::ShiftModifier) bits |= kModifierShift;
  if (modifiers & Qt::ControlModifier) bits |= kModifierControl;
  if (modifiers & Qt::AltModifier) bits |= kModifierAlt;
  return bits;
}

MouseInput mouse_input(QMouseEvent* event, MouseAction action) {
  MouseInput input;
  input.action = action;
  if (event->button() == Qt::LeftButton) input.button = MouseButton::Left;
  if (event->button() == Qt::RightButton) input.button = MouseButton::Right;
  QPoint position = event->position().toPoint();
  input.position = {position.x(), position.y()};
  input.modifiers = modifier_bits(event->modifiers());
  return input;
}

TopLevelWindow::TopLevelWindow(QtBackend& backend, NativeHandle handle, Size client_size)
    : backend_(backend), handle_(handle), reported_size_(client_size) {}

void TopLevelWindow::report_geometry() {
  Size size{width(), height()};
  WindowState state = state_of(*this);
  if (state == WindowState::Minimized) size = {0, 0};
  if (size == reported_size_ && state == reported_state_) return;
  reported_size_ = size;
  reported_state_ = state;
  if (BackendSink* sink = backend_.sink()) sink->on_window_resized(handle_, state);
}

void TopLevelWindow::closeEvent(QCloseEvent* event) {
  // The program decides whether a window closes.
  event->ignore();
  if (BackendSink* sink = backend_.sink()) sink->on_close_request(handle_);
}

void TopLevelWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  report_geometry();
}

void TopLevelWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (pos() == reported_position_) return;
  reported_position_ = pos();
  if (BackendSink* sink = backend_.sink()) sink->on_window_moved(handle_);
}

void TopLevelWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) report_geometry();
  if (event->type() == QEvent::ActivationChange && isActiveWindow() != was_active_) {
    was_active_ = isActiveWindow();
    // The keyboard cues last until the window is left.
    if (!was_active_) setAttribute(Qt::WA_KeyboardFocusChange, false);
    if (BackendSink* sink = backend_.sink()) sink->on_window_activation(handle_, was_active_);
  }
}

void TopLevelWindow::report_mouse(QMouseEvent* event, MouseAction action) {
  if (BackendSink* sink = backend_.sink()) sink->on_mouse(handle_, mouse_input(event, action));
}

void TopLevelWindow::mousePressEvent(QMouseEvent* event) {
  report_mouse(event, MouseAction::Press);
}
void TopLevelWindow::mouseReleaseEvent(QMouseEvent* event) {
  report_mouse(event, MouseAction::Release);
}
void TopLevelWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  report_mouse(event, MouseAction::DoubleClick);
}

SplitterWidget::SplitterWidget(QtBackend& backend, QWidget* parent)
    : QWidget(parent), backend_(backend) {
  setMouseTracking(true);
}

void SplitterWidget::paintEvent(QPaintEvent*) {
  BackendSink* sink = backend_.sink();
  if (!sink) return;
  Rect grip = sink->splitter_grip(backend_.handle_of(this));
  if (grip.width <= 0 || grip.height <= 0) return;
  QPainter painter(this);
  QStyleOptionButton option;
  option.initFrom(this);
  option.rect = QRect(grip.x, grip.y, grip.width, grip.height);
  option.state |= QStyle::State_Raised;
  style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
}

void SplitterWidget::report_mouse(QMouseEvent* event, MouseAction action) {
  if (BackendSink* sink = backend_.sink())
    sink->on_mouse(backend_.handle_of(this), mouse_input(event, action));
}

void SplitterWidget::mousePressEvent(QMouseEvent* event) {
  report_mouse(event, MouseAction::Press);
}
void SplitterWidget::mouseReleaseEvent(QMouseEvent* event) {
  report_mouse(event, MouseAction::Release);
}
void SplitterWidget::mouseMoveEvent(QMouseEvent* event) { report_mouse(event, MouseAction::Move); }
void SplitterWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  report_mouse(event, MouseAction::DoubleClick);
}

// Of Qt's many event types, the few watched here.
bool QtControlEvents::eventFilter(QObject* watched, QEvent* event) {
  BackendSink* sink = backend_.sink();
  if (!sink) return false;
  QEvent::Type type = event->type();
  if (type == QEvent::KeyPress) {
    show_cues_for_modifier(watched, static_cast<QKeyEvent*>(event)->key());
    return filter_tab(watched, event);
  }
  if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
    auto* widget = qobject_cast<QWidget*>(watched);
    NativeHandle control = backend_.handle_of(widget);
    if (widget && backend_.widget(control) == widget)
      sink->on_control_focus(control, type == QEvent::FocusIn);
    return false;
  }
  bool drag = type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::DragLeave ||
              type == QEvent::Drop;
  return drag && filter_drag(qobject_cast<QWidget*>(watched), event);
}

// Tab keys go to the window layer first; what it leaves reaches the focused control.
bool QtControlEvents::filter_tab(QObject* watched, QEvent* event) {
  auto* key = static_cast<QKeyEvent*>(event);
  bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
  Qt::KeyboardModifiers others = key->modifiers() & ~Qt::ShiftModifier & ~Qt::KeypadModifier;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!tab || others != Qt::NoModifier || !widget) return false;
  NativeHandle window = backend_.handle_of(widget->window());
  if (!backend_.is_window(window)) return false;
  bool backward = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
  if (!backend_.sink()->on_tab_key(window, backward)) return false;
  show_keyboard_cues(*widget->window());
  return true;
}

// Holding Control, Shift or Alt shows where the focus is, as the keyboard is about to be used.
void QtControlEvents::show_cues_for_modifier(QObject* watched, int key) {
  auto* widget = qobject_cast<QWidget*>(watched);
  bool modifier = key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt;
  if (modifier && widget && backend_.is_window(backend_.handle_of(widget->window())))
    show_keyboard_cues(*widget->window());
}

// Focus frames are drawn only in a window whose focus the keyboard moved; Qt notes that
// itself only for the Tab keys it handles.
void QtControlEvents::show_keyboard_cues(QWidget& window) {
  window.setAttribute(Qt::WA_KeyboardFocusChange);
  if (QWidget* focused = window.focusWidget()) focused->update();
}

bool QtControlEvents::filter_drag(QWidget* widget, QEvent* event) {
  return widget && backend_.drop_routing().route(*widget, *event);
}

}  // namespace ambrel
