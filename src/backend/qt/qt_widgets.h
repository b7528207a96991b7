#pragma once

// The widgets and event filters through which Qt reports to the backend's sink.

#include <QObject>
#include <QWidget>

#include "backend/backend.h"

namespace ambrel {

class QtBackend;

// A top-level window: its size is the client size. Close requests are reported and
// refused; size, state and position changes are reported once each, however many Qt
// events carry them.
class TopLevelWindow final : public QWidget {
 public:
  TopLevelWindow(QtBackend& backend, NativeHandle handle, Size client_size);

  // Reports a size or state change not yet reported.
  void report_geometry();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void report_mouse(QMouseEvent* event, MouseAction action);

  QtBackend& backend_;
  NativeHandle handle_;
  Size reported_size_;
  WindowState reported_state_ = WindowState::Normal;
  QPoint reported_position_;
  bool was_active_ = false;
};

// The splitter's own control: reports the mouse and paints the grip the sink places.
class SplitterWidget final : public QWidget {
 public:
  SplitterWidget(QtBackend& backend, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void report_mouse(QMouseEvent* event, MouseAction action);

  QtBackend& backend_;
};

// Watches every control (focus, drags) and the application's Tab and modifier keys.
class QtControlEvents final : public QObject {
 public:
  explicit QtControlEvents(QtBackend& backend) : backend_(backend) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool filter_tab(QObject* watched, QEvent* event);
  void show_cues_for_modifier(QObject* watched, int key);
  bool filter_drag(QWidget* widget, QEvent* event);
  static void show_keyboard_cues(QWidget& window);

  QtBackend& backend_;
};

MouseInput mouse_input(QMouseEvent* event, MouseAction action);

// Shift, Control and Alt as the backend's kModifier bits.
int modifier_bits(Qt::KeyboardModifiers modifiers);

}  // namespace ambrel
