#pragma once

// The controls of each gadget family, made, read and changed by kind within the family in
// win32_<family>_controls.cpp; what a family keeps of a control beyond the shared record is
// a type of its own there. A family without its own version of an operation takes the
// common one, the template after the overloads. Also what those files share: how they
// create a child control, and the helpers several families use.

#include <windows.h>

#include <string>
#include <string_view>

#include "backend/backend.h"
#include "backend/win32/win32_control_record.h"
#include "backend/win32/win32_text.h"

namespace ambrel {

class Win32Backend;

// A notification or scroll action from one of our controls, as the families read it.
struct ControlNotice {
  UINT message = 0;  // WM_COMMAND, WM_NOTIFY, WM_HSCROLL or WM_VSCROLL
  UINT code = 0;     // the notification code; a scroll message's action
  HWND source = nullptr;
  NativeHandle control;
  LPARAM detail = 0;  // WM_NOTIFY's header, as sent
};

inline DWORD tab_stop_bit(const ControlStyle& style) { return style.tab_stop ? WS_TABSTOP : 0; }

// A child of `parent` clipped by its siblings, hidden and without size until it is placed.
inline HWND family_child(const wchar_t* window_class, std::u16string_view text, DWORD style,
                         DWORD ex_style, HWND parent, void* data = nullptr) {
  std::wstring caption = to_wide(text);
  return CreateWindowExW(ex_style, window_class, caption.c_str(),
                         WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent, nullptr,
                         GetModuleHandleW(nullptr), data);
}

// A window's outer size.
inline Size window_size(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// --- The families' operations. The backend hands each the control's record and, where
// the family reports or reaches other controls, itself. Every family has its own
// make_window, the control's window made for its kind (null on failure), filling in what
// else the record keeps of it, and its own family_notice, which reports a notice that is
// the user's action on the control and says whether it was.

// The value of control_value (0 for kinds without one), set with the control's notices
// ignored.
template <class Family>
int family_value(Family, const Win32ControlRecord&) {
  return 0;
}
template <class Family>
void set_family_value(Family, Win32Backend&, NativeHandle, Win32ControlRecord&, int) {}

// Items of the lists, combo boxes and (as tabs) panels; a new item goes at `index`.
template <class Family>
int family_item_count(Family, const Win32ControlRecord&) {
  return 0;
}
template <class Family>
int add_family_item(Family, Win32ControlRecord&, int, std::wstring&) {
  return -1;
}

// The text, where it is not the window text; set_family_text is false where it is.
template <class Family>
std::u16string family_text(Family, const Win32ControlRecord& control) {
  return window_text(control.hwnd);
}
template <class Family>
bool set_family_text(Family, Win32ControlRecord&, std::u16string_view) {
  return false;
}

// What a kind does when its geometry changed (pages, an up-down beside its field).
template <class Family>
void after_geometry(Family, Win32Backend&, NativeHandle, Win32ControlRecord&) {}

// The smallest size at which the control shows its content; its size for most kinds.
template <class Family>
Size family_minimum_size(Family, const Win32ControlRecord& control) {
  return window_size(control.hwnd);
}

// The declarations of a family's own operations, a group at a time, for the family's kind.
#define AMBREL_FAMILY_WINDOW(Kind)                                        \
  HWND make_window(Kind kind, const ControlRequest& request, HWND parent, \
                   Win32ControlRecord& control, Win32Backend& backend);   \
  bool family_notice(Kind kind, const ControlNotice& notice, Win32Backend& backend)
#define AMBREL_FAMILY_VALUE(Kind)                                              \
  int family_value(Kind kind, const Win32ControlRecord& control);              \
  void set_family_value(Kind kind, Win32Backend& backend, NativeHandle handle, \
                        Win32ControlRecord& control, int value)
#define AMBREL_FAMILY_ITEMS(Kind)                                      \
  int family_item_count(Kind kind, const Win32ControlRecord& control); \
  int add_family_item(Kind kind, Win32ControlRecord& control, int index, std::wstring& item)
#define AMBREL_FAMILY_TEXT(Kind)                                            \
  std::u16string family_text(Kind kind, const Win32ControlRecord& control); \
  bool set_family_text(Kind kind, Win32ControlRecord& control, std::u16string_view text)

// --- The choice family (win32_choice_controls.cpp).
AMBREL_FAMILY_WINDOW(ChoiceKind);
AMBREL_FAMILY_VALUE(ChoiceKind);

// --- The picture family (win32_picture_controls.cpp).
AMBREL_FAMILY_WINDOW(PictureKind);

// --- The range family (win32_range_controls.cpp).
AMBREL_FAMILY_WINDOW(RangeKind);
AMBREL_FAMILY_VALUE(RangeKind);

// --- The field family (win32_field_controls.cpp).
AMBREL_FAMILY_WINDOW(FieldKind);
AMBREL_FAMILY_VALUE(FieldKind);
AMBREL_FAMILY_ITEMS(FieldKind);
void after_geometry(FieldKind kind, Win32Backend& backend, NativeHandle handle,
                    Win32ControlRecord& control);

// --- The list family (win32_list_controls.cpp).
AMBREL_FAMILY_WINDOW(ListKind);
AMBREL_FAMILY_VALUE(ListKind);
AMBREL_FAMILY_ITEMS(ListKind);
std::u16string family_text(ListKind kind, const Win32ControlRecord& control);

// --- The view family (win32_view_controls.cpp).
AMBREL_FAMILY_WINDOW(ViewKind);
AMBREL_FAMILY_TEXT(ViewKind);
Size family_minimum_size(ViewKind kind, const Win32ControlRecord& control);

// --- The basic family (win32_basic_controls.cpp).
AMBREL_FAMILY_WINDOW(BasicKind);
AMBREL_FAMILY_TEXT(BasicKind);

// --- The page family (win32_page_controls.cpp); the panel's pages are made by
// Win32Backend::add_panel_page.
AMBREL_FAMILY_WINDOW(PageKind);
AMBREL_FAMILY_VALUE(PageKind);
int family_item_count(PageKind kind, const Win32ControlRecord& control);
void after_geometry(PageKind kind, Win32Backend& backend, NativeHandle handle,
                    Win32ControlRecord& control);

#undef AMBREL_FAMILY_WINDOW
#undef AMBREL_FAMILY_VALUE
#undef AMBREL_FAMILY_ITEMS
#undef AMBREL_FAMILY_TEXT

// A scroll area with its inner area in control.inner (win32_scroll_area.cpp).
HWND make_scroll_area(const ControlRequest& request, HWND parent, Win32ControlRecord& control,
                      Win32Backend& backend);

// What the explorer kinds show (win32_explorer.cpp): the folder their text names, or the
// user's home folder; a folder's entries (folders first, then files) in a list box; its
// subfolders in a tree view, each branch filled as it is opened.
std::wstring explorer_folder(std::u16string_view text);
void show_folder_entries(HWND list, const std::wstring& folder);
void show_subfolders(HWND tree, const std::wstring& folder);

// What an explorer list or tree keeps: the folder it shows.
struct ExplorerFolder {
  std::wstring folder;
};

}  // namespace ambrel
