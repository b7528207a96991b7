#pragma once

// The window registry behind window.h, shared with backend_events.cpp.

#include <string>

#include "backend/backend.h"

namespace ambrel {

struct WindowRecord {
  NativeHandle handle;
  std::u16string title;
  int flags = 0;
  NativeHandle owner;
  Size minimum;  // inner-size limits, 0 = none
  Size maximum;
  bool minimized_or_maximized = false;
  bool creation_finished = false;
  NativeHandle remembered_focus;  // the control that had the focus when the window went inactive
};

WindowRecord* find_window_record(int window);
bool window_library_running();

}  // namespace ambrel
