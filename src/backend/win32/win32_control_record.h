#pragma once

// What the Win32 backend keeps of every control, whatever its kind. What a family keeps of
// a kind of its own beyond this is a type of that family's files, held in kind_state.

#include <windows.h>

#include <any>

#include "backend/backend_controls.h"

namespace ambrel {

struct Win32ControlRecord {
  HWND hwnd = nullptr;
  ControlStyle style;
  // A window of the control's own besides hwnd, whose notices are the control's: a scroll
  // area's inner area, a spin's up-down.
  HWND inner = nullptr;
  HCURSOR cursor = nullptr;  // over the control; null: the arrow
  std::any kind_state;
};

// The state of type State that the control's family keeps of it, or null.
template <class State>
State* kind_state(Win32ControlRecord& control) {
  return std::any_cast<State>(&control.kind_state);
}
template <class State>
const State* kind_state(const Win32ControlRecord& control) {
  return std::any_cast<State>(&control.kind_state);
}

}  // namespace ambrel
