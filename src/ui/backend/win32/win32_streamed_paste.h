#pragma once

// A paste into a multi-line edit control taken in over turns of the event loop once the
// clipboard has handed all of it over: the control takes a large text at 1-2 s per MB under
// Wine, and its own paste would hold the window all that time. The text goes in at the caret,
// replacing the selection, and the caret follows it as it goes in; the user may go on
// meanwhile. A text that did not come whole (the clipboard could not be read) changes nothing:
// `incomplete` is called instead.

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/backend/backend_desktop.h"

namespace ambrel {

class Win32Backend;

class Win32StreamedPaste {
 public:
  // Starts taking the clipboard's text into `editor`; its turns run on the backend's thread.
  Win32StreamedPaste(HWND editor, Win32Backend& backend, std::function<void()> incomplete);
  // Stops where it is.
  ~Win32StreamedPaste();
  Win32StreamedPaste(const Win32StreamedPaste&) = delete;
  Win32StreamedPaste& operator=(const Win32StreamedPaste&) = delete;

  HWND editor() const { return editor_; }

 private:
  struct State;

  HWND editor_;
  std::shared_ptr<State> state_;  // what the posted turns share
  std::unique_ptr<ClipboardReading> reading_;
};

}  // namespace ambrel
