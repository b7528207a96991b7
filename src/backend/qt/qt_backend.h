#pragma once

// The platform on Qt 6 Widgets: a window is a top-level QWidget whose size is the client
// size; controls are the nearest Qt widgets. Creates the QApplication when the program has
// not made one.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "backend/idle_tasks.h"
#include "backend/backend.h"
#include "backend/control_tree_backend.h"

class QApplication;
class QButtonGroup;
class QObject;
class QTimer;
class QWidget;

namespace ambrel {

class QtControlEvents;
class QtDropRouting;
class QtEditorWidget;

class QtBackend final : public ControlTreeBackend {
 public:
  QtBackend();
  ~QtBackend() override;

  // Every operation of the Backend interface (backend_operations.def).
#define AMBREL_BACKEND_OPERATION(Result, name, parameters, qualifier) \
  Result name parameters qualifier override;
#include "backend/backend_operations.def"

  BackendSink* sink() const { return sink_; }

  // The widget behind a window or control handle (tests drive the real widgets with it).
  QWidget* widget(NativeHandle handle) const;
  // The handle of a widget we made, or of the nearest such ancestor.
  NativeHandle handle_of(const QWidget* widget) const;
  // Where drags go within a window (qt_drops.cpp).
  QtDropRouting& drop_routing() { return *drop_routing_; }

 private:
  struct WindowInfo {
    QWidget* widget = nullptr;
    NativeHandle owner;
    std::map<int, QTimer*> timers;
  };
  struct ControlInfo {
    QWidget* widget = nullptr;
    ControlStyle style;
  };

  WindowInfo* find_window(NativeHandle handle) { return find_record(windows_, handle); }
  const WindowInfo* find_window(NativeHandle handle) const { return find_record(windows_, handle); }
  ControlInfo* find_control(NativeHandle handle) { return find_record(controls_, handle); }
  const ControlInfo* find_control(NativeHandle handle) const {
    return find_record(controls_, handle);
  }
  QWidget* container_widget(NativeHandle parent) const;
  // The widget of each kind, made in the file of its family (qt_<family>_controls.cpp);
  // nothing for a kind made otherwise (a panel's page).
  QWidget* make_widget(BasicKind kind, const ControlRequest& request, QWidget* parent);
  QWidget* make_widget(ChoiceKind kind, const ControlRequest& request, QWidget* parent);
  QWidget* make_widget(FieldKind kind, const ControlRequest& request, QWidget* parent);
  QWidget* make_widget(ListKind kind, const ControlRequest& request, QWidget* parent);
  QWidget* make_widget(PageKind kind, const ControlRequest& request, QWidget* parent);
  QWidget* make_widget(PictureKind kind, const ControlRequest& request, QWidget* parent);
  QWidget* make_widget(RangeKind kind, const ControlRequest& request, QWidget* parent);
  QWidget* make_widget(ViewKind kind, const ControlRequest& request, QWidget* parent);
  // The editor, reporting the user's edits (never the program's) as command Change.
  QtEditorWidget* make_editor(const ControlRequest& request, QWidget* parent);
  // Reports the command of the control behind `widget`, when it still is ours.
  void report_command(QWidget* widget, ControlCommand command);
  // The user's paste into an editor, offered to the ui layer (BackendSink::on_editor_paste).
  bool report_paste(QWidget* editor);
  // The button group a new option joins: the parent's open one when the control tree puts
  // the option in its group, else a new one.
  QButtonGroup* option_group_for(const ControlRequest& request, QWidget* parent);
  void destroy_children(std::vector<NativeHandle> children);
  void forget_widget(QWidget* widget);
  // Drops the open button group of a window or control that is gone.
  void forget_parent(NativeHandle parent);
  void run_idle_task();

  std::unique_ptr<QApplication> own_application_;
  std::unique_ptr<QObject> post_receiver_;
  std::unique_ptr<QTimer> idle_turn_;  // single shot at 0 ms: the next idle task runs
  IdleTasks idle_tasks_;
  std::unique_ptr<QTimer> busy_delay_;  // single shot: the busy pointer goes up
  bool busy_shown_ = false;
  std::unique_ptr<QtControlEvents> control_events_;
  std::unique_ptr<QtDropRouting> drop_routing_;
  BackendSink* sink_ = nullptr;
  std::map<std::uint64_t, WindowInfo> windows_;
  std::map<std::uint64_t, ControlInfo> controls_;
  std::map<const QWidget*, NativeHandle> handles_;
  bool setting_text_ = false;
  struct OpenOptionGroup {
    int number = 0;  // as the control tree numbers option groups
    QButtonGroup* buttons = nullptr;
  };
  std::map<std::uint64_t, OpenOptionGroup> option_groups_;  // by parent
};

}  // namespace ambrel
