#pragma once

// Services of the desktop rather than of one control: the clipboard, the open-file
// dialog, drop targets and pictures of windows.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "support/text_stream.h"
#include "backend/native_handle.h"

namespace ambrel {

struct FileFilter {
  std::u16string description;
  std::u16string pattern;  // "*.*" means every file
};

struct OpenFileRequest {
  std::u16string title;
  std::u16string initial_directory;  // empty: the platform's choice
  std::u16string proposed_name;      // empty: none
  std::vector<FileFilter> filters;
  int selected_filter = 0;
};

// A read of the clipboard that goes on in another thread. Destroying it stops the read; its
// stream is written no more after that.
class ClipboardReading {
 public:
  virtual ~ClipboardReading() = default;
};

class BackendDesktop {
 public:
  virtual ~BackendDesktop() = default;

  virtual bool set_clipboard_text(std::u16string_view text) = 0;
  virtual std::u16string clipboard_text() const = 0;
  // Writes the clipboard's text into `text` and closes it, or fails it when the text cannot
  // come whole (its owner quit or stopped answering, or the clipboard could not be opened). A
  // backend whose clipboard hands over a large text slowly reads it in another thread and
  // returns the reading; else the text has ended on return, and the result is null.
  virtual std::unique_ptr<ClipboardReading> read_clipboard_text(
      const std::shared_ptr<TextStream>& text) {
    text->append(clipboard_text());
    text->close();
    return nullptr;
  }

  // Modal open-file dialog: the chosen full path, or empty when cancelled. The process's
  // other windows take no input meanwhile.
  virtual std::u16string ask_open_file(const OpenFileRequest& request) = 0;

  // Drop targets: a window or control reports drags through BackendSink::on_drag.
  virtual bool enable_drops(NativeHandle target, bool enable) = 0;

  // Saves a PNG picture of the window's client area as it is drawn now; false when the
  // window is unknown, the backend draws nothing, or the file cannot be written.
  virtual bool save_window_image(NativeHandle window, const std::string& png_path) = 0;
};

}  // namespace ambrel
