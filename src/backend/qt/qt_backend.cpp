// Windows, timers, window images, the event pump and cross-thread posting on Qt.

#include "backend/qt/qt_backend.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "backend/qt/qt_drops.h"
#include "backend/qt/qt_panel_widget.h"
#include "backend/qt/qt_text.h"
#include "backend/qt/qt_widgets.h"

namespace ambrel {

namespace {

Qt::WindowFlags window_flags(const WindowStyle& style) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
  if (style.tool) flags |= Qt::Tool;
  if (style.frameless) return flags | Qt::FramelessWindowHint;
  if (style.caption) flags |= Qt::WindowTitleHint;
  if (style.close_box) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style.minimize_box) flags |= Qt::WindowMinimizeButtonHint;
  if (style.maximize_box) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

int application_argc = 1;
char application_name[] = "ambrel";
char* application_argv[] = {application_name, nullptr};

}  // namespace

QtBackend::QtBackend() {
  if (!QApplication::instance()) {
    own_application_ = std::make_unique<QApplication>(application_argc, application_argv);
  }
  post_receiver_ = std::make_unique<QObject>();
  idle_turn_ = std::make_unique<QTimer>();
  idle_turn_->setSingleShot(true);
  idle_turn_->setInterval(0);
  QObject::connect(idle_turn_.get(), &QTimer::timeout, [this] { run_idle_task(); });
  busy_delay_ = std::make_unique<QTimer>();
  busy_delay_->setSingleShot(true);
  QObject::connect(busy_delay_.get(), &QTimer::timeout, [this] {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    busy_shown_ = true;
  });
  control_events_ = std::make_unique<QtControlEvents>(*this);
  drop_routing_ = std::make_unique<QtDropRouting>(*this);
  QApplication::instance()->installEventFilter(control_events_.get());
}

QtBackend::~QtBackend() {
  sink_ = nullptr;
  hide_busy_pointer();
  QApplication::instance()->removeEventFilter(control_events_.get());
  while (!windows_.empty()) destroy_window(NativeHandle{windows_.begin()->first});
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtBackend::set_sink(BackendSink* sink) { sink_ = sink; }

QWidget* QtBackend::widget(NativeHandle handle) const {
  if (const WindowInfo* window = find_window(handle)) return window->widget;
  if (const ControlInfo* control = find_control(handle)) return control->widget;
  return nullptr;
}

NativeHandle QtBackend::handle_of(const QWidget* widget) const {
  for (; widget; widget = widget->parentWidget()) {
    auto it = handles_.find(widget);
    if (it != handles_.end()) return it->second;
  }
  return kNoHandle;
}

void QtBackend::forget_parent(NativeHandle parent) { option_groups_.erase(parent.value); }

void QtBackend::forget_widget(QWidget* widget) {
  handles_.erase(widget);
  if (auto* panel = dynamic_cast<PanelWidget*>(widget)) panel->keep_tabs_while_pages_go();
  widget->hide();
  // Later: a bound procedure may close the window from inside one of its own Qt events.
  widget->deleteLater();
}

NativeHandle QtBackend::create_window(const WindowRequest& request) {
  NativeHandle handle = tree_.add_window();
  auto* window = new TopLevelWindow(*this, handle, request.client_size);
  window->setWindowFlags(window_flags(request.style));
  window->setWindowTitle(to_qstring(request.title));
  Size size = held_size(request.client_size);
  window->resize(size.width, size.height);
  if (!request.platform_position) window->move(request.position.x, request.position.y);
  WindowInfo info;
  info.widget = window;
  info.owner = is_window(request.owner) ? request.owner : kNoHandle;
  windows_.emplace(handle.value, std::move(info));
  handles_[window] = handle;
  return handle;
}

void QtBackend::destroy_window(NativeHandle handle) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  destroy_children(tree_.children(handle));
  window = find_window(handle);
  if (!window) return;
  for (auto& [number, timer] : window->timers) timer->stop();
  QWidget* widget = window->widget;
  windows_.erase(handle.value);
  tree_.remove(handle);
  forget_parent(handle);
  forget_widget(widget);
}

bool QtBackend::is_window(NativeHandle handle) const { return find_window(handle) != nullptr; }

void QtBackend::set_window_title(NativeHandle handle, std::u16string_view title) {
  if (WindowInfo* window = find_window(handle)) window->widget->setWindowTitle(to_qstring(title));
}

Point QtBackend::window_position(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  if (!window) return {};
  QPoint position = window->widget->pos();
  return {position.x(), position.y()};
}

void QtBackend::move_window(NativeHandle handle, Point position) {
  if (WindowInfo* window = find_window(handle)) window->widget->move(position.x, position.y);
}

Size QtBackend::window_client_size(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  if (!window || window->widget->isMinimized()) return {};
  return {window->widget->width(), window->widget->height()};
}

void QtBackend::resize_window(NativeHandle handle, Size client_size) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  Size size = held_size(client_size);
  window->widget->resize(size.width, size.height);
  // A hidden widget only notes the size; the layer still hears of it at once.
  if (auto* top = dynamic_cast<TopLevelWindow*>(window->widget); top && !top->isVisible())
    top->report_geometry();
}

Size QtBackend::window_frame_size(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  if (!window) return {};
  QSize frame = window->widget->frameGeometry().size();
  return {frame.width(), frame.height()};
}

void QtBackend::set_window_size_limits(NativeHandle handle, Size minimum, Size maximum) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  Size held_minimum = held_size(minimum);
  window->widget->setMinimumSize(held_minimum.width, held_minimum.height);
  window->widget->setMaximumSize(maximum.width > 0 ? maximum.width : QWIDGETSIZE_MAX,
                                 maximum.height > 0 ? maximum.height : QWIDGETSIZE_MAX);
}

WindowState QtBackend::window_state(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  if (!window) return WindowState::Normal;
  Qt::WindowStates states = window->widget->windowState();
  if (states & Qt::WindowMinimized) return WindowState::Minimized;
  if (states & Qt::WindowMaximized) return WindowState::Maximized;
  return WindowState::Normal;
}

void QtBackend::set_window_state(NativeHandle handle, WindowState state) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  Qt::WindowStates states =
      window->widget->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
  if (state == WindowState::Minimized) states |= Qt::WindowMinimized;
  if (state == WindowState::Maximized) states |= Qt::WindowMaximized;
  window->widget->setWindowState(states);
}

void QtBackend::show_window(NativeHandle handle, bool activate) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  QWidget* widget = window->widget;
  widget->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  widget->show();
  if (activate) {
    widget->raise();
    widget->activateWindow();
  }
}

void QtBackend::hide_window(NativeHandle handle) {
  if (WindowInfo* window = find_window(handle)) window->widget->hide();
}

bool QtBackend::window_visible(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  return window && window->widget->isVisible();
}

void QtBackend::activate_window(NativeHandle handle) {
  WindowInfo* window = find_window(handle);
  if (!window) return;
  window->widget->raise();
  window->widget->activateWindow();
}

NativeHandle QtBackend::active_window() const {
  QWidget* active = QApplication::activeWindow();
  NativeHandle handle = handle_of(active);
  return is_window(handle) ? handle : kNoHandle;
}

NativeHandle QtBackend::window_owner(NativeHandle handle) const {
  const WindowInfo* window = find_window(handle);
  return window ? window->owner : kNoHandle;
}

Rect QtBackend::screen_area() const {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  QRect area = screen->availableGeometry();
  return {area.x(), area.y(), area.width(), area.height()};
}

// A window no larger than the screen, as other platforms keep them: the X server holds a
// window's image in memory, and painting a window that is larger than anyone can see grows
// with its area (a definition's depth adds to both sides).
Size QtBackend::largest_client_size() const {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  QSize size = screen->availableGeometry().size();
  return {size.width(), size.height()};
}

bool QtBackend::start_timer(NativeHandle handle, int timer, int milliseconds) {
  WindowInfo* window = find_window(handle);
  if (!window || milliseconds <= 0) return false;
  QTimer*& entry = window->timers[timer];
  if (!entry) {
    entry = new QTimer(window->widget);
    // Coarse timers (Qt's default) may fire up to 5 % early; a window timer must not.
    entry->setTimerType(Qt::PreciseTimer);
    QObject::connect(entry, &QTimer::timeout, window->widget, [this, handle, timer] {
      if (sink_) sink_->on_timer(handle, timer);
    });
  }
  entry->start(milliseconds);
  return true;
}

bool QtBackend::stop_timer(NativeHandle handle, int timer) {
  WindowInfo* window = find_window(handle);
  if (!window) return false;
  auto it = window->timers.find(timer);
  if (it == window->timers.end()) return false;
  it->second->stop();
  it->second->deleteLater();
  window->timers.erase(it);
  return true;
}

void QtBackend::show_busy_pointer(int delay_ms) {
  if (busy_shown_ || busy_delay_->isActive()) return;
  busy_delay_->start(std::max(delay_ms, 0));
}

void QtBackend::hide_busy_pointer() {
  busy_delay_->stop();
  if (busy_shown_) QApplication::restoreOverrideCursor();
  busy_shown_ = false;
}

bool QtBackend::save_window_image(NativeHandle window, const std::string& png_path) {
  const WindowInfo* info = find_window(window);
  return info && info->widget->grab().save(QString::fromStdString(png_path), "PNG");
}

int QtBackend::pump(int timeout_ms) {
  QEventLoop loop;
  bool dispatched = false;
  if (timeout_ms == 0) {
    dispatched = loop.processEvents(QEventLoop::AllEvents);
  } else if (timeout_ms < 0) {
    dispatched = loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  } else {
    bool timed_out = false;
    QTimer wake;
    wake.setSingleShot(true);
    QObject::connect(&wake, &QTimer::timeout, [&timed_out] { timed_out = true; });
    wake.start(timeout_ms);
    dispatched =
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents) && !timed_out;
  }
  // Widgets of closed windows go here, outside every event handler.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return dispatched ? kBackendEventsDispatched : 0;
}

void QtBackend::post(std::function<void()> task) {
  QMetaObject::invokeMethod(post_receiver_.get(), std::move(task), Qt::QueuedConnection);
}

// A timer of 0 ms fires once the window system's events are handled: one task per turn.
// A real clock runs on while posts are awaited.
void QtBackend::set_awaiting_posts(bool) {}

void QtBackend::post_when_idle(std::function<void()> task) {
  idle_tasks_.add(std::move(task));
  if (!idle_turn_->isActive()) idle_turn_->start();
}

void QtBackend::run_idle_task() {
  std::function<void()> task = idle_tasks_.take_first();
  if (!task) return;
  if (!idle_tasks_.empty()) idle_turn_->start();
  task();
}

}  // namespace ambrel
