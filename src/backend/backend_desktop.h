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

  // Its operations, in the list of every backend's operations.
#define AMBREL_DESKTOP_OPERATION(Result, name, parameters, qualifier) \
  virtual Result name parameters qualifier = 0;
#include "backend/backend_operations.def"

 protected:
  // read_clipboard_text of a clipboard that hands its text over at once.
  std::unique_ptr<ClipboardReading> read_whole_clipboard_text(
      const std::shared_ptr<TextStream>& text) const {
    text->append(clipboard_text());
    text->close();
    return nullptr;
  }
};

}  // namespace ambrel
