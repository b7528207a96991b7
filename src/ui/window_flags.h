#pragma once

// What the window flags of window_open ask of the platform.

#include "ui/backend/backend.h"

namespace ambrel {

struct WindowOpenPlan {
  WindowStyle style;
  WindowState start_state = WindowState::Normal;
  bool invisible = false;
  bool no_activate = false;
  bool becomes_gadget_list = true;
  int centring = 0;  // kWindowScreenCentered or kWindowWindowCentered bits
};

WindowOpenPlan plan_window_open(int flags);

}  // namespace ambrel
