#pragma once

// The platform on the Win32 API: a window is a top-level window of our own class whose
// client size is the size the ui layer speaks of; controls are the standard and common
// controls and our own container, splitter and tab strip classes.
// Starts OLE (drops) and the common controls for the thread that makes it.
// The ui layer speaks in 96-DPI units; each window is drawn at the density of its monitor
// and follows it when the density changes, so that it looks the same at every scale.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "backend/idle_tasks.h"
#include "backend/backend.h"
#include "backend/control_tree_backend.h"
#include "backend/posted_tasks.h"
#include "backend/win32/win32_control_record.h"
#include "geometry/dpi_scale.h"

namespace ambrel {

class PaintPacing;
class Win32DropTarget;
class Win32Fonts;

class Win32Backend final : public ControlTreeBackend {
 public:
  Win32Backend();
  ~Win32Backend() override;

  // Every operation of the Backend interface (backend_operations.def).
#define AMBREL_BACKEND_OPERATION(Result, name, parameters, qualifier) \
  Result name parameters qualifier override;
#include "backend/backend_operations.def"

  BackendSink* sink() const { return sink_; }
  std::u16string window_title(NativeHandle window) const;
  int control_item_count(NativeHandle control) const;
  // The window behind a window or control handle (tests drive the real controls with it).
  HWND hwnd(NativeHandle handle) const;
  // The handle of a window or control we made, or of its nearest such ancestor.
  NativeHandle handle_of(HWND hwnd) const;
  // The control whose own window `hwnd` is (not a part of it, as a scroll area's inner area),
  // or kNoHandle.
  NativeHandle control_of_own(HWND hwnd) const;

  // Called by the window procedures of our classes (win32_window_classes.cpp).
  LRESULT top_level_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT container_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT splitter_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT scroll_area_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT wake_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  // Focus changes of every control, through its subclass.
  void control_focus(HWND hwnd, bool gained);
  // After a control's border was painted (WM_NCPAINT), through its subclass: an editor with
  // the focus shows it there.
  void control_border_painted(HWND hwnd);
  // A paste into a control (WM_PASTE), through its subclass: true when the ui layer takes
  // a writable multi-line editor's paste in parts (BackendSink::on_editor_paste), false to
  // leave it to the control.
  bool paste_in_parts(HWND hwnd);
  // A context menu asked of a control (WM_CONTEXTMENU at `position`), through its subclass:
  // true when it is an editor, which shows ours (win32_editor_menu.cpp), false to leave it to
  // the control.
  bool show_editor_menu(HWND hwnd, LPARAM position);
  // The caption of the label nearest before the control in its window's order, which names
  // it for a screen reader, as a Windows dialog's label names the edit control after it;
  // empty when there is none.
  std::u16string label_before(HWND hwnd) const;
  // The drop targets a window's OLE target routes to.
  // The smallest visible drop target of the window whose rectangle holds the screen point
  // (in pixels).
  NativeHandle drop_target_at(NativeHandle window, Point screen) const;
  // Between the ui layer's units and the pixels of the window or control.
  DpiScale scale_of(NativeHandle handle) const;

  // What the families' operations ask of the backend (win32_family_controls.h).
  // Reports the command of the control whose own window `source` is.
  void report_command(HWND source, ControlCommand command);
  // Whether an option made now in `parent` joins the option group before it.
  bool continues_option_group(NativeHandle parent) const {
    return tree_.continues_option_group(parent);
  }
  // The user changed an editor's text at `position` by `change` bytes (less when removed).
  void editor_text_changed(NativeHandle editor, std::ptrdiff_t position, std::ptrdiff_t change);
  // The paint pacing of the editor `hwnd`, if it is one of this backend's editors.
  PaintPacing* editor_pacing(HWND hwnd);
  // A panel's pages fill its page rectangle; only the current one shows.
  void show_current_page(NativeHandle panel);

 private:
  struct WindowInfo {
    HWND hwnd = nullptr;
    NativeHandle owner;
    DWORD style = 0;
    DWORD ex_style = 0;
    std::set<int> timers;
    Size minimum;
    Size maximum;
    WindowState hidden_state = WindowState::Normal;
    Size reported_size;
    WindowState reported_state = WindowState::Normal;
    Point reported_position;
    bool active = false;
    Win32DropTarget* drop_target = nullptr;  // registered with OLE while it lives
    int dpi = kUnitDpi;                      // the density it is drawn at
  };

  WindowInfo* find_window(NativeHandle handle) { return find_record(windows_, handle); }
  const WindowInfo* find_window(NativeHandle handle) const { return find_record(windows_, handle); }
  Win32ControlRecord* find_control(NativeHandle handle) { return find_record(controls_, handle); }
  const Win32ControlRecord* find_control(NativeHandle handle) const {
    return find_record(controls_, handle);
  }
  // Where a parent's new controls live: a scroll area's inner area, else the parent itself.
  HWND container_hwnd(NativeHandle parent) const;
  // The last label among the descendants of `handle`, or kNoHandle.
  NativeHandle last_label_in(NativeHandle handle) const;
  // An explorer tree's branch about to open gets its subfolders.
  bool explorer_notification(UINT message, LPARAM lparam);
  // A parent's WM_COMMAND, WM_NOTIFY and scroll messages from its controls, as the sink's
  // commands.
  bool control_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  void report_geometry(WindowInfo& window);
  // The font a control of the kind gets at the density.
  HFONT control_font(ControlKind kind, int dpi) const;
  // The window moved to a monitor of another density: its controls get the fonts of that
  // density and are placed again at the same units, and the window takes the frame the
  // system suggests (win32_window_density.cpp).
  void follow_dpi_change(NativeHandle window, int dpi, const RECT& suggested);
  // Reports a button message, or a move when `moves` asks for them too; false for other
  // messages.
  bool report_mouse(NativeHandle target, UINT message, WPARAM wparam, LPARAM lparam, bool moves);
  // Tab goes to the ui layer before the focused control; true when it took the key.
  bool route_tab_key(const MSG& message);
  // The focus frames and the access keys' marks of the window that holds `hwnd` show while
  // the keyboard is in use: after a Tab that moved the focus and while Control, Shift or Alt
  // is held, until the window is left.
  void show_keyboard_cues(HWND hwnd);
  void dispatch(MSG& message);
  void place_new_control(HWND control, const ControlRequest& request);
  void destroy_children(std::vector<NativeHandle> children);
  void forget_hwnd(HWND hwnd);
  void register_hwnd(HWND hwnd, NativeHandle handle);
  // The busy pointer over our windows, when it is up; the one that answered the move else.
  void refresh_pointer() const;
  // Drop targets a window needs registered (win32_drops.cpp).
  void update_drop_registration(NativeHandle window);
  void revoke_drops(WindowInfo& window);

  BackendSink* sink_ = nullptr;
  std::unique_ptr<Win32Fonts> fonts_;
  std::map<std::uint64_t, WindowInfo> windows_;
  std::map<std::uint64_t, Win32ControlRecord> controls_;
  std::map<HWND, NativeHandle> handles_;
  std::set<std::uint64_t> drop_enabled_;
  HWND wake_window_ = nullptr;
  UINT wake_message_ = 0;
  PostedTasks posted_;
  IdleTasks idle_tasks_;
  bool busy_pointer_due_ = false;  // its timer runs
  bool busy_pointer_shown_ = false;
  bool setting_text_ = false;
  bool ole_started_ = false;
  struct ClipboardThreads;  // win32_clipboard.cpp
  std::shared_ptr<ClipboardThreads> clipboard_threads_;
};

}  // namespace ambrel
