#pragma once

// The editor and the code editor on Win32 (win32_editor.cpp, win32_editor_menu.cpp): the
// multi-line edit control, made and read for the basic and the view family.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "backend/backend_controls.h"
#include "backend/win32/win32_control_record.h"
#include "backend/win32/win32_family_controls.h"

namespace ambrel {

class Win32Backend;

// What an editor keeps beyond the shared record.
struct EditorState {
  bool appended_cr = false;                // the last text added ended with a CR
  std::vector<EditorMenuItem> menu_items;  // the program's own context menu items
};

HWND make_editor(const ControlRequest& request, HWND parent, Win32ControlRecord& control);
// A change is command Change.
bool editor_notice(const ControlNotice& notice, Win32Backend& backend);
std::u16string editor_text(HWND editor);
// Reads the editor `editor` finds, looked up for each slice, as it may go between two.
std::unique_ptr<ControlTextReader> editor_reader(std::function<HWND()> editor);
void set_editor_text(Win32ControlRecord& editor, std::u16string_view text);
// At the end, as the program's own (BackendControls::append_control_text).
void append_editor_text(Win32ControlRecord& editor, std::u16string_view text);

}  // namespace ambrel
