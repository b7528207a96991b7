#pragma once

// What the platform reports, and the input records it reports with.

#include <string>
#include <vector>

#include "backend/backend_windows.h"
#include "backend/native_handle.h"
#include "geometry/point_size_rect.h"

namespace ambrel {

enum class MouseButton { None, Left, Right };

enum class MouseAction { Press, Release, DoubleClick, Move };

// Modifier bits, as the drop action rule counts them.
inline constexpr int kModifierShift = 4;
inline constexpr int kModifierControl = 8;
inline constexpr int kModifierAlt = 32;

struct MouseInput {
  MouseAction action = MouseAction::Move;
  MouseButton button = MouseButton::None;
  Point position;  // in the target's client coordinates
  int modifiers = 0;
};

// What a control reports as its command: the user's action on it (never what the program
// set). The gadget layer passes a command its kind does not take on as the gadget event type
// of the same number; a platform notification without a name here keeps its own number.
enum class ControlCommand : int {
  Click = 0,  // a button pushed, a box or option clicked, an item chosen, a bar moved
  DoubleClick = 2,
  Change = 768,  // the user changed the content
  // An editor's paste that the ui layer takes in did not complete; the editor kept its text.
  PasteIncomplete = 14003,
};

// Drop action bits.
inline constexpr int kDropCopy = 1;
inline constexpr int kDropMove = 2;
inline constexpr int kDropLink = 4;

enum class DragPhase { Enter = 1, Over = 2, Leave = 3, Drop = 4 };

struct DragInput {
  DragPhase phase = DragPhase::Enter;
  std::vector<std::u16string> files;  // empty when the data holds no file list
  bool has_text = false;
  std::u16string text;
  int private_type = 0;  // a drag this program started carries its type number; 0: none
  Point position;        // in the target's client coordinates
  int offered_actions = 0;
  int modifiers = 0;
};

// The ui layer implements it once and turns each report into events; the backend calls it
// synchronously on the user-interface thread, from inside the event pump or from inside
// the call that caused the report.
class BackendSink {
 public:
  virtual ~BackendSink() = default;

  // Top-level windows.
  virtual void on_close_request(NativeHandle window) = 0;
  virtual void on_window_moved(NativeHandle window) = 0;
  // The client size or the state changed; `state` is the state after the change.
  virtual void on_window_resized(NativeHandle window, WindowState state) = 0;
  virtual void on_window_activation(NativeHandle window, bool active) = 0;
  virtual void on_timer(NativeHandle window, int timer) = 0;
  // Tab (backward: Shift+Tab) pressed in the window; true when the ui layer consumed it,
  // false to let the focused control take the key (an editor types a tab).
  virtual bool on_tab_key(NativeHandle window, bool backward) = 0;

  // Mouse on a window's own area or on a custom control (the splitter).
  virtual void on_mouse(NativeHandle target, const MouseInput& input) = 0;

  // An item of the window's menus was chosen (an editor's own menu items among them).
  virtual void on_menu_command(NativeHandle window, int item) = 0;

  // Controls.
  virtual void on_control_command(NativeHandle control, ControlCommand command) = 0;
  // The user pasted the clipboard into a writable editor; true when the ui layer takes the
  // text in itself (see EditorInsertion), false to leave the paste to the editor.
  virtual bool on_editor_paste(NativeHandle editor) = 0;
  virtual void on_control_focus(NativeHandle control, bool gained) = 0;
  virtual void on_control_resized(NativeHandle control) = 0;
  // The control is gone, either by destroy_control or with its window or parent; reported
  // once per control, children before their parent.
  virtual void on_control_destroyed(NativeHandle control) = 0;
  // Where a splitter draws its raised grip, in the splitter's client coordinates; an empty
  // rectangle draws none.
  virtual Rect splitter_grip(NativeHandle splitter) = 0;

  // Drag and drop on a target enabled with enable_drops; returns the chosen action (one
  // kDrop* bit) or 0 to refuse. For the Leave phase the result is ignored.
  virtual int on_drag(NativeHandle target, const DragInput& input) = 0;
};

}  // namespace ambrel
