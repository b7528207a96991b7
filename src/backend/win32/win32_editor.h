#pragma once

// The editor and the code editor on Win32 (win32_editor.cpp, win32_editor_menu.cpp,
// win32_editor_accessible.cpp): a Scintilla control, made and read for the basic and the
// view family.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "backend/backend_controls.h"
#include "backend/paint_pacing.h"
#include "backend/win32/win32_control_record.h"
#include "backend/win32/win32_family_controls.h"

namespace ambrel {

class Win32Backend;

// UTF-16 pieces as the control holds them: every line end as CR LF (control_lines), in
// UTF-8. A CR at the end of one piece and an LF at the start of the next are one line end,
// and a surrogate pair split between two pieces stays one character.
class EditorBytes {
 public:
  std::string convert(std::u16string_view piece);

 private:
  bool after_cr_ = false;
  char16_t high_surrogate_ = 0;  // the last piece's, waiting for its low half
};

// What an editor keeps beyond the shared record.
struct EditorState {
  EditorBytes appended;  // the text the program adds at the end
  // Where the program's next text goes: after all it added, before what the user typed
  // after that, which so stays at the end of a text still arriving.
  std::size_t append_at = 0;
  std::vector<EditorMenuItem> menu_items;  // the program's own context menu items
  PaintPacing pacing;                      // while the program's text keeps coming
};

// The Scintilla window class, registered once for the process.
bool register_editor_class();

HWND make_editor(const ControlRequest& request, HWND parent, Win32ControlRecord& control,
                 Win32Backend& backend);
// A change is command Change.
bool editor_notice(const ControlNotice& notice, Win32Backend& backend);
std::u16string editor_text(HWND editor);
bool editor_read_only(HWND editor);
// Reads the editor `editor` finds, looked up for each slice, as it may go between two.
std::unique_ptr<ControlTextReader> editor_reader(std::function<HWND()> editor);
void set_editor_text(Win32ControlRecord& editor, std::u16string_view text);
// At the end, as the program's own (BackendControls::append_control_text).
void append_editor_text(Win32ControlRecord& editor, std::u16string_view text);
// Room for about `units` more (BackendControls::reserve_control_text).
void reserve_editor_text(const Win32ControlRecord& editor, std::uint64_t units);

// The answer to WM_GETOBJECT for the editor's client area: an accessible object whose name
// is `name` and whose value is the editor's text (win32_editor_accessible.cpp).
LRESULT editor_accessible_object(HWND editor, std::u16string name, WPARAM wparam);

}  // namespace ambrel
