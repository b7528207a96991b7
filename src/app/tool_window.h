#pragma once

// The tool's main window, from the opening of its dialog to its end: the output kept to the
// newest input (see Regeneration), the load of a file, the paste and its notice, and the
// output choices. The runtime procedures the definition binds, the timer and the drop of a
// file come here.

#include <cstdint>
#include <memory>
#include <string_view>

#include "app/file_load.h"
#include "app/input_text.h"
#include "app/output_choices.h"
#include "app/paste_notice.h"
#include "app/regeneration.h"
#include "app/tool_gadgets.h"
#include "support/platform_file.h"
#include "ui/clipboard_paste.h"

namespace ambrel {

// How much of a pipe or device a load reads: the input editor holds all of it, and a pipe may
// never end.
inline constexpr std::uint64_t kStreamLoadLimit = std::uint64_t{16} << 20;

class ToolWindow {
 public:
  // Works on the main window opened into `dialog`: titles it, accepts file drops on its input
  // frame and gives the output editor's menu the choices, by which the output is written.
  ToolWindow(std::int32_t dialog, OutputChoices choices);
  // Stops what runs (a paste, a load, a generation, the filling of the input).
  ~ToolWindow();
  ToolWindow(const ToolWindow&) = delete;
  ToolWindow& operator=(const ToolWindow&) = delete;

  std::int32_t dialog() const { return dialog_; }
  int window() const { return gadgets_.window; }

  // The runtime procedures.
  void copy_all();
  void open_file();
  void output_event() {}
  void input_event();
  void clear();
  void paste();
  // A choice of the output editor's menu: turned over, shown, and the output written anew.
  void choose_output();

  // Removes the timer and declares the input's text into the output; "Copy all" is enabled
  // exactly when the declarations are not empty. The declarations come later, on this thread.
  void regenerate();

  // Puts the file's text into the input and declares it at once; an empty path, a missing
  // file, a directory, an empty file and a file that cannot be opened or read change nothing.
  // The file is opened and read on another thread (see FileLoad): the input changes once its
  // first text has come, unless a paste, a clear or another load came first. A pipe or device
  // is read no further than `stream_limit` bytes, which standard error then tells.
  void load_file(const NativePath& path, std::uint64_t stream_limit = kStreamLoadLimit);
  // The same for a name the user interface holds (a drop, the open-file dialog).
  void load_file(std::u16string_view path) { load_file(native_path(path)); }

  // Whether something a command started still runs: a generation, the filling of the input,
  // or the opening of a file.
  bool working() const { return regeneration_.working(); }

 private:
  // A new input (a paste, a clear, another load) ends the paste and the load before, wherever
  // they are, and what the paste declared ahead.
  void end_inputs();
  void replace_input(InputText text);

  std::int32_t dialog_;
  ToolGadgets gadgets_;
  OutputChoices choices_;
  PasteNotice paste_notice_;
  Regeneration regeneration_;
  std::unique_ptr<FileLoad> loading_;        // the newest load, while its file is read
  std::unique_ptr<ClipboardPaste> pasting_;  // the newest paste, while its text may still come
};

}  // namespace ambrel
