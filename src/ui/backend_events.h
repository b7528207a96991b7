#pragma once

// Turns what the backend reports into events: the one BackendSink of the ui layer.

#include "backend/backend.h"

namespace ambrel {

class BackendEvents final : public BackendSink {
 public:
  void on_close_request(NativeHandle window) override;
  void on_window_moved(NativeHandle window) override;
  void on_window_resized(NativeHandle window, WindowState state) override;
  void on_window_activation(NativeHandle window, bool active) override;
  void on_timer(NativeHandle window, int timer) override;
  bool on_tab_key(NativeHandle window, bool backward) override;
  void on_mouse(NativeHandle target, const MouseInput& input) override;
  void on_menu_command(NativeHandle window, int item) override;
  void on_control_command(NativeHandle control, ControlCommand command) override;
  bool on_editor_paste(NativeHandle editor) override;
  void on_control_focus(NativeHandle control, bool gained) override;
  void on_control_resized(NativeHandle control) override;
  void on_control_destroyed(NativeHandle control) override;
  Rect splitter_grip(NativeHandle splitter) override;
  int on_drag(NativeHandle target, const DragInput& input) override;
};

BackendEvents& backend_events();

}  // namespace ambrel
