#pragma once

// Child controls as such: creating and destroying them, their place in the tree, geometry,
// text, state, style, z-order, focus, repaint, and the mouse capture and cursor the
// splitter's drag needs.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "backend/control_kinds.h"
#include "backend/native_handle.h"
#include "geometry/point_size_rect.h"

namespace ambrel {

enum class TextAlignment { Left, Center, Right };

enum class BorderStyle { None, Flat, Raised, Single, Sunken };

struct ControlStyle {
  TextAlignment alignment = TextAlignment::Left;
  BorderStyle border = BorderStyle::None;
  bool tab_stop = false;
  bool default_button = false;  // button: the window's default button
  bool toggle = false;          // button: stays down when clicked
  bool multi_line = false;      // button: the caption wraps
  bool read_only = false;       // editor
  bool word_wrap = false;       // editor: lines wrap at the control's width
  bool fixed_pitch = false;     // the desktop's fixed-width font instead of the default one
  bool separator_grip = false;  // splitter: draw a raised grip on its bar
  bool vertical = false;        // scroll bar, progress bar, track bar
  bool three_state = false;     // check box, list icon, tree: a third, mixed state
  bool check_boxes = false;     // list icon, tree: a check box per item
  bool multi_select = false;    // list view, list icon, explorer list
  bool editable = false;        // combo box, explorer combo: the text can be typed
  bool password = false;        // string: the text is not shown
  bool ticks = false;           // track bar: tick marks
  bool underline = false;       // hyperlink: underlined link text
  int color = -1;               // hyperlink: its text's colour number 0xBBGGRR, -1 the default
};

// The range of the controls that show a position (scroll bar, progress bar, track bar, spin).
struct ControlRange {
  int minimum = 0;
  int maximum = 0;
  int page = 0;  // scroll bar: the visible part
};

// Options created one right after another in the same parent form one group, in which
// selecting one clears the others; any other control created between them starts a new one.
struct ControlRequest {
  ControlKind kind = ControlKind::Container;
  NativeHandle parent;  // a window or a container control
  Rect geometry;        // in the parent's client coordinates
  std::u16string text;
  ControlStyle style;
  ControlRange range;
};

enum class Cursor { Arrow, SizeWestEast, SizeNorthSouth };

// Takes one piece of a text handed out piece by piece; a piece is valid only during the call.
using TextPieceHandler = std::function<void(std::u16string_view piece)>;

// Reads a control's text from its start, a slice at a time, as control_text gives it (an
// editor's with CR LF line ends), without a copy of the whole where the control allows. Made
// and used on the user-interface thread.
class ControlTextReader {
 public:
  virtual ~ControlTextReader() = default;
  // Hands the next slice, of about `units` UTF-16 units of the control's own text, to `take`
  // in non-empty pieces; false, handing nothing, once the whole text was read. A piece may
  // end within a CR LF or a surrogate pair. Once the control changed or went, what follows
  // is some of its text or nothing, never a fault.
  virtual bool read(std::size_t units, const TextPieceHandler& take) = 0;
};

// An item the program adds to an editor's context menu, after the platform's own editing
// items: choosing it reports the number as a menu command of the editor's window.
struct EditorMenuItem {
  int number = 0;
  std::u16string caption;
  bool checked = false;  // shown with a check mark
};

// Puts a paste's text into an editor a piece at a time, at the caret: the first piece replaces
// the selection, and all of them make one undo step. The caret follows the text while the
// user leaves it there; the user may go on meanwhile. A piece inserted as the user's own edit
// is reported as one. User-interface thread; once the editor went, or its text was set,
// nothing.
class EditorInsertion {
 public:
  virtual ~EditorInsertion() = default;
  virtual void insert(std::u16string_view text) = 0;
  // The units of a piece the editor takes in one go within a turn of the event loop.
  virtual std::size_t piece_units() const = 0;
};

class BackendControls {
 public:
  virtual ~BackendControls() = default;

  // What ControlTreeBackend answers for every backend.
  virtual ControlKind control_kind(NativeHandle control) const = 0;
  // The control's own number (the gadget number); -1 until set.
  virtual void set_control_id(NativeHandle control, int id) = 0;
  virtual NativeHandle control_parent(NativeHandle control) const = 0;
  // The top-level window the control lives in.
  virtual NativeHandle control_window(NativeHandle control) const = 0;
  // Direct child controls of a window or control, in creation (tab) order.
  virtual std::vector<NativeHandle> child_controls(NativeHandle parent) const = 0;

  // Its operations, in the list of every backend's operations.
#define AMBREL_CONTROLS_OPERATION(Result, name, parameters, qualifier) \
  virtual Result name parameters qualifier = 0;
#include "backend/backend_operations.def"
};

}  // namespace ambrel
