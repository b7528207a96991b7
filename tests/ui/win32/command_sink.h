#pragma once

// A sink for backend tests that only counts what the user's actions reported: the program's
// own changes (scrolling, filling, pictures) must report nothing.

#include <vector>

#include "ui/backend/backend_sink.h"

namespace ambrel {

class CommandSink final : public BackendSink {
 public:
  void on_close_request(NativeHandle) override {}
  void on_window_moved(NativeHandle) override {}
  void on_window_resized(NativeHandle, WindowState) override {}
  void on_window_activation(NativeHandle, bool) override {}
  void on_timer(NativeHandle, int) override {}
  bool on_tab_key(NativeHandle, bool) override { return true; }
  void on_mouse(NativeHandle, const MouseInput&) override {}
  void on_control_command(NativeHandle, int code) override { codes.push_back(code); }
  void on_control_focus(NativeHandle, bool) override {}
  void on_control_resized(NativeHandle) override {}
  void on_control_destroyed(NativeHandle) override {}
  Rect splitter_grip(NativeHandle) override { return {}; }
  int on_drag(NativeHandle, const DragInput&) override { return 0; }

  std::vector<int> codes;
};

}  // namespace ambrel
