#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/platform.h"
#include "ui/window.h"

namespace ambrel {

// The libraries a test starts on top of its backend.
enum class UiLibraries { kWindows, kWindowsAndGadgets };

// Installs `backend` and starts the event and window libraries, and the gadget library when
// asked. It asserts, so a fixture calls it inside ASSERT_NO_FATAL_FAILURE.
inline void start_ui_libraries(std::unique_ptr<Backend> backend, UiLibraries libraries) {
  ASSERT_TRUE(use_backend(std::move(backend)));
  ASSERT_EQ(event_library_init(), 1);
  ASSERT_EQ(window_library_init(), 1);
  if (libraries == UiLibraries::kWindowsAndGadgets) {
    ASSERT_EQ(gadget_library_init(), 1);
  }
}

// Ends what start_ui_libraries started, drops the events still queued and removes the backend.
inline void end_ui_libraries(UiLibraries libraries) {
  if (libraries == UiLibraries::kWindowsAndGadgets) gadget_library_end();
  window_library_end();
  event_library_end();
  while (take_event() != 0) {
  }
  use_backend(nullptr);
}

}  // namespace ambrel
