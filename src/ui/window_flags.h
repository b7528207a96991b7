#pragma once

// The window flags of window_open and what they ask of the platform. The flags are the
// window's rows of kinds.def (kWindowScreenCentered ...); the caption bits overlap and
// combine by OR.

#include "backend/backend.h"
#include "ui/kind_flags.h"

namespace ambrel {

// Start states, as the platform style bits say them.
inline constexpr int kWindowStartMaximized = 0x1000000;
inline constexpr int kWindowStartMinimized = 0x20000000;

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
