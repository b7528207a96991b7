#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "../ui/ui_libraries.h"
#include "dialog/dialog.h"
#include "dialog/definition/runtime_registry.h"
#include "xml/xml_document.h"

namespace ambrel {

// Installs `backend` and starts every library the dialog engine stands on, then the engine.
// It asserts, so a fixture calls it inside ASSERT_NO_FATAL_FAILURE.
inline void start_dialog_libraries(std::unique_ptr<Backend> backend) {
  ASSERT_NO_FATAL_FAILURE(start_ui_libraries(std::move(backend), UiLibraries::kWindowsAndGadgets));
  xml_library_init();
  runtime_registry_init();
  dialog_library_init();
}

// Ends what start_dialog_libraries started, in reverse.
inline void end_dialog_libraries() {
  dialog_library_end();
  xml_library_end();
  end_ui_libraries(UiLibraries::kWindowsAndGadgets);
}

}  // namespace ambrel
