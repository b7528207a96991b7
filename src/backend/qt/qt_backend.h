#pragma once

// The platform on Qt 6 Widgets: a window is a top-level QWidget whose size is the client
// size; controls are the nearest Qt widgets. Creates the QApplication when the program has
// not made one.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "backend/backend.h"
#include "backend/control_tree_backend.h"

class QApplication;
class QButtonGroup;
class QObject;
class QPlainTextEdit;
class QTimer;
class QWidget;

namespace ambrel {

class QtControlEvents;
class QtDropRouting;

class QtBackend final : public ControlTreeBackend {
 public:
  QtBackend();
  ~QtBackend() override;

  void set_sink(BackendSink* sink) override;
  BackendSink* sink() const { return sink_; }

  NativeHandle create_window(const WindowRequest& request) override;
  void destroy_window(NativeHandle window) override;
  bool is_window(NativeHandle handle) const override;
  void set_window_title(NativeHandle window, std::u16string_view title) override;
  Point window_position(NativeHandle window) const override;
  void move_window(NativeHandle window, Point position) override;
  Size window_client_size(NativeHandle window) const override;
  void resize_window(NativeHandle window, Size client_size) override;
  Size window_frame_size(NativeHandle window) const override;
  void set_window_size_limits(NativeHandle window, Size minimum, Size maximum) override;
  WindowState window_state(NativeHandle window) const override;
  void set_window_state(NativeHandle window, WindowState state) override;
  void show_window(NativeHandle window, bool activate) override;
  void hide_window(NativeHandle window) override;
  bool window_visible(NativeHandle window) const override;
  void activate_window(NativeHandle window) override;
  NativeHandle active_window() const override;
  NativeHandle window_owner(NativeHandle window) const override;
  Rect screen_area() const override;
  Size largest_client_size() const override;

  bool start_timer(NativeHandle window, int timer, int milliseconds) override;
  bool stop_timer(NativeHandle window, int timer) override;
  void show_busy_pointer(int delay_ms) override;
  void hide_busy_pointer() override;

  NativeHandle create_control(const ControlRequest& request) override;
  void destroy_control(NativeHandle control) override;
  bool is_control(NativeHandle handle) const override;
  void set_control_parent(NativeHandle control, NativeHandle parent) override;
  Rect control_geometry(NativeHandle control) const override;
  void set_control_geometry(NativeHandle control, Rect geometry) override;
  std::u16string control_text(NativeHandle control) const override;
  void set_control_text(NativeHandle control, std::u16string_view text) override;
  std::unique_ptr<ControlTextReader> read_control_text(NativeHandle control) const override;
  void append_control_text(NativeHandle control, std::u16string_view text) override;
  std::unique_ptr<EditorInsertion> insert_at_caret(NativeHandle editor) override;
  void set_control_enabled(NativeHandle control, bool enabled) override;
  bool control_enabled(NativeHandle control) const override;
  void set_control_visible(NativeHandle control, bool visible) override;
  bool control_visible(NativeHandle control) const override;
  ControlStyle control_style(NativeHandle control) const override;
  void place_control_below(NativeHandle control, NativeHandle above) override;
  void set_focus(NativeHandle control) override;
  NativeHandle focused_control() const override;
  void repaint_control(NativeHandle control) override;

  int control_value(NativeHandle control) const override;
  void set_control_value(NativeHandle control, int value) override;
  int add_control_item(NativeHandle control, int position, std::u16string_view text) override;
  NativeHandle add_panel_page(NativeHandle panel, int position, std::u16string_view title) override;
  Size panel_page_size(NativeHandle panel) const override;
  int panel_tab_height(NativeHandle panel) const override;
  Size scroll_inner_size(NativeHandle area) const override;
  void set_scroll_inner_size(NativeHandle area, Size size) override;
  Size control_minimum_size(NativeHandle control) const override;

  Size text_extent(NativeHandle control, std::u16string_view text) const override;
  Size text_block(NativeHandle control, std::u16string_view text) const override;
  SystemMetrics system_metrics() const override;

  void capture_mouse(NativeHandle control) override;
  void release_mouse() override;
  NativeHandle mouse_capture() const override;
  void set_control_cursor(NativeHandle control, Cursor cursor) override;
  void set_editor_menu_items(NativeHandle editor, std::vector<EditorMenuItem> items) override;

  bool set_clipboard_text(std::u16string_view text) override;
  std::u16string clipboard_text() const override;
  std::unique_ptr<ClipboardReading> read_clipboard_text(
      const std::shared_ptr<TextStream>& text) override;

  std::u16string ask_open_file(const OpenFileRequest& request) override;

  bool enable_drops(NativeHandle target, bool enable) override;
  bool save_window_image(NativeHandle window, const std::string& png_path) override;

  int pump(int timeout_ms) override;
  void post(std::function<void()> task) override;
  void post_when_idle(std::function<void()> task) override;
  void set_awaiting_posts(bool) override {}

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
  // The size within largest_client_size.
  Size held_size(Size size) const;
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
  QPlainTextEdit* make_editor(const ControlRequest& request, QWidget* parent);
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
  std::deque<std::function<void()>> idle_tasks_;
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
