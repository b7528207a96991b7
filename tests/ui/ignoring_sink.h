#pragma once

// The base of the backend tests' sinks: it ignores every report, so that a test's sink
// overrides only what it records. Tab and a paste are left to the focused control.

#include "backend/backend_sink.h"

namespace ambrel {

class IgnoringSink : public BackendSink {
 public:
  void on_close_request(NativeHandle) override {}
  void on_window_moved(NativeHandle) override {}
  void on_window_resized(NativeHandle, WindowState) override {}
  void on_window_activation(NativeHandle, bool) override {}
  void on_timer(NativeHandle, int) override {}
  bool on_tab_key(NativeHandle, bool) override { return false; }
  void on_mouse(NativeHandle, const MouseInput&) override {}
  void on_menu_command(NativeHandle, int) override {}
  void on_control_command(NativeHandle, ControlCommand) override {}
  bool on_editor_paste(NativeHandle) override { return false; }
  void on_control_focus(NativeHandle, bool) override {}
  void on_control_resized(NativeHandle) override {}
  void on_control_destroyed(NativeHandle) override {}
  Rect splitter_grip(NativeHandle) override { return {}; }
  int on_drag(NativeHandle, const DragInput&) override { return 0; }
};

}  // namespace ambrel
