#pragma once

// The only way the ui layer reaches the platform. Two implementations exist: the Qt one
// (real windows and controls) and the headless one (in-memory, fixed metrics, virtual clock,
// scripted input). Everything the platform reports comes back through BackendSink.
//
// Windows and controls are named by opaque handles. A handle is never reused while the
// backend lives, so a stale handle is simply unknown: queries on it answer neutral values
// (0, empty, false, kNoHandle) and commands on it do nothing.
//
// All members but Backend::post are called on the user-interface thread only.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

struct NativeHandle {
  std::uint64_t value = 0;
  explicit operator bool() const { return value != 0; }
  friend bool operator==(NativeHandle, NativeHandle) = default;
};
inline constexpr NativeHandle kNoHandle{};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(Point, Point) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(Size, Size) = default;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(Rect, Rect) = default;
};

// What Backend::pump returns after dispatching platform events; never an event code.
inline constexpr int kPlatformEventsDispatched = 1;

enum class WindowState { Normal, Minimized, Maximized };

// The frame a top-level window gets; the window layer derives it from the window flags.
struct WindowStyle {
  bool caption = false;
  bool close_box = false;
  bool sizable = false;
  bool minimize_box = false;
  bool maximize_box = false;
  bool frameless = false;
  bool tool = false;
};

struct WindowSpec {
  std::u16string title;
  WindowStyle style;
  bool platform_position = true;  // false: place the frame's top-left at `position`
  Point position;
  Size client_size;
  NativeHandle owner;  // kNoHandle for an unowned window
};

enum class ControlKind {
  Text, Button, Editor, Frame, Container, Splitter,
  CheckBox, Option, String, Image, ListView, ListIcon, Tree, ComboBox, CodeEditor, ScrollBar,
  ProgressBar, ExplorerList, ExplorerTree, ExplorerCombo, Shortcut, ButtonImage, TrackBar,
  Canvas, Calendar, Date, Spin, Web, HyperLink, IpAddress, Panel, ScrollArea,
  // A page of a panel, made by add_panel_page: the parent of that page's controls.
  PanelPage,
};

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

struct ControlSpec {
  ControlKind kind = ControlKind::Container;
  NativeHandle parent;  // a window or a container control
  Rect geometry;        // in the parent's client coordinates
  std::u16string text;
  ControlStyle style;
  ControlRange range;
};

struct SystemMetrics {
  int edge_width = 0;  // thickness of a 3D edge
  int edge_height = 0;
  int border_width = 0;  // thickness of a thin border
  int border_height = 0;
  int vertical_scroll_width = 0;
  int horizontal_scroll_height = 0;
};

enum class Cursor { Arrow, SizeWestEast, SizeNorthSouth };

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

// Drop action bits.
inline constexpr int kDropCopy = 1;
inline constexpr int kDropMove = 2;
inline constexpr int kDropLink = 4;

enum class DragPhase { Enter, Over, Leave, Drop };

struct DragInput {
  DragPhase phase = DragPhase::Enter;
  std::vector<std::u16string> files;  // empty when the data holds no file list
  bool has_text = false;
  std::u16string text;
  int private_type = 0;  // a drag this program started carries its type number; 0: none
  Point position;  // in the target's client coordinates
  int offered_actions = 0;
  int modifiers = 0;
};

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

// What the platform reports. The ui layer implements it once and turns each report into
// events; the backend calls it synchronously on the user-interface thread, from inside
// Backend::pump or from inside the call that caused the report.
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

  // Controls. `code` is the notification: 0 for a button click, 768 for a change the user
  // made to an editor's text (never for text the program set).
  virtual void on_control_command(NativeHandle control, int code) = 0;
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

class Backend {
 public:
  virtual ~Backend() = default;
  Backend() = default;
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;

  virtual void set_sink(BackendSink* sink) = 0;

  // --- Top-level windows. Sizes are client sizes; positions are the frame's top-left.
  // A new window is hidden; kNoHandle on failure.
  virtual NativeHandle create_window(const WindowSpec& spec) = 0;
  // Destroys the window and its controls (each reported through on_control_destroyed).
  virtual void destroy_window(NativeHandle window) = 0;
  virtual bool is_window(NativeHandle handle) const = 0;
  virtual void set_window_title(NativeHandle window, std::u16string_view title) = 0;
  virtual std::u16string window_title(NativeHandle window) const = 0;
  virtual Point window_position(NativeHandle window) const = 0;
  virtual void move_window(NativeHandle window, Point position) = 0;
  virtual Size window_client_size(NativeHandle window) const = 0;
  virtual void resize_window(NativeHandle window, Size client_size) = 0;
  virtual Size window_frame_size(NativeHandle window) const = 0;
  // Client-size limits the user cannot resize beyond; 0 in a field means no limit.
  virtual void set_window_size_limits(NativeHandle window, Size minimum, Size maximum) = 0;
  virtual WindowState window_state(NativeHandle window) const = 0;
  // Changes the state; a hidden window keeps it for when it is shown.
  virtual void set_window_state(NativeHandle window, WindowState state) = 0;
  // Shows the window in its current state.
  virtual void show_window(NativeHandle window, bool activate) = 0;
  virtual void hide_window(NativeHandle window) = 0;
  virtual bool window_visible(NativeHandle window) const = 0;
  virtual void activate_window(NativeHandle window) = 0;
  virtual NativeHandle active_window() const = 0;
  virtual NativeHandle window_owner(NativeHandle window) const = 0;
  virtual Rect screen_area() const = 0;

  // --- Per-window timers: repeat every `milliseconds` until stopped; starting a running
  // timer number again restarts it with the new interval.
  virtual bool start_timer(NativeHandle window, int timer, int milliseconds) = 0;
  virtual bool stop_timer(NativeHandle window, int timer) = 0;

  // --- Child controls. A new control is visible; kNoHandle on failure.
  virtual NativeHandle create_control(const ControlSpec& spec) = 0;
  // Destroys the control and its children (each reported through on_control_destroyed).
  virtual void destroy_control(NativeHandle control) = 0;
  virtual bool is_control(NativeHandle handle) const = 0;
  virtual ControlKind control_kind(NativeHandle control) const = 0;
  // The control's own number (the gadget number); -1 until set.
  virtual void set_control_id(NativeHandle control, int id) = 0;
  virtual int control_id(NativeHandle control) const = 0;
  virtual NativeHandle control_parent(NativeHandle control) const = 0;
  // The top-level window the control lives in.
  virtual NativeHandle control_window(NativeHandle control) const = 0;
  virtual void set_control_parent(NativeHandle control, NativeHandle parent) = 0;
  // Direct child controls of a window or control, in creation (tab) order.
  virtual std::vector<NativeHandle> child_controls(NativeHandle parent) const = 0;
  virtual Rect control_geometry(NativeHandle control) const = 0;
  virtual void set_control_geometry(NativeHandle control, Rect geometry) = 0;
  virtual std::u16string control_text(NativeHandle control) const = 0;
  // Never reported as a change notification.
  virtual void set_control_text(NativeHandle control, std::u16string_view text) = 0;
  virtual void set_control_enabled(NativeHandle control, bool enabled) = 0;
  virtual bool control_enabled(NativeHandle control) const = 0;
  virtual void set_control_visible(NativeHandle control, bool visible) = 0;
  // Visible itself (a control of a hidden window still counts as visible).
  virtual bool control_visible(NativeHandle control) const = 0;
  virtual ControlStyle control_style(NativeHandle control) const = 0;
  virtual void set_control_read_only(NativeHandle control, bool read_only) = 0;
  virtual void set_control_alignment(NativeHandle control, TextAlignment alignment) = 0;
  // z-order: puts `control` directly below its sibling `above`.
  virtual void place_control_below(NativeHandle control, NativeHandle above) = 0;
  virtual void set_focus(NativeHandle control) = 0;
  // The control that has the keyboard focus, or kNoHandle.
  virtual NativeHandle focused_control() const = 0;
  // Asks for a repaint (the splitter after moving its bar).
  virtual void repaint_control(NativeHandle control) = 0;

  // --- The value a control holds: 1 / 0 (2 mixed) for a check box or option, the position
  // of a scroll bar, progress bar, track bar or spin (kept within its range), the selected
  // item of a list or combo box (-1 none), the current page of a panel. Never reported as
  // a change notification. 0 for other kinds.
  virtual int control_value(NativeHandle control) const = 0;
  virtual void set_control_value(NativeHandle control, int value) = 0;
  // Adds an item to a list, list icon, tree or combo box at position (-1: at the end);
  // returns its index, or -1 for kinds without items.
  virtual int add_control_item(NativeHandle control, int position, std::u16string_view text) = 0;
  virtual int control_item_count(NativeHandle control) const = 0;
  // Adds a page titled `title` to a panel at position (-1: at the end) and returns the page:
  // a control of kind PanelPage, the parent of the page's content. kNoHandle for other kinds.
  virtual NativeHandle add_panel_page(NativeHandle panel, int position, std::u16string_view title) = 0;
  // The inner size of a panel's pages, and the height of its tab strip.
  virtual Size panel_page_size(NativeHandle panel) const = 0;
  virtual int panel_tab_height(NativeHandle panel) const = 0;
  // The size of the area a scroll area scrolls over; the controls created in a scroll area
  // live in that area.
  virtual Size scroll_inner_size(NativeHandle area) const = 0;
  virtual void set_scroll_inner_size(NativeHandle area, Size size) = 0;
  // The smallest size at which a control shows its content as the platform draws it (the
  // calendar measures itself with it).
  virtual Size control_minimum_size(NativeHandle control) const = 0;

  // --- Measurement in the control's own font.
  virtual Size text_extent(NativeHandle control, std::u16string_view text) const = 0;
  // The block of a text whose line breaks start new lines: longest line by all lines.
  virtual Size text_block(NativeHandle control, std::u16string_view text) const = 0;
  virtual SystemMetrics system_metrics() const = 0;

  // --- Mouse capture and cursor (the splitter's drag).
  virtual void capture_mouse(NativeHandle control) = 0;
  virtual void release_mouse() = 0;
  virtual NativeHandle mouse_capture() const = 0;
  virtual void set_control_cursor(NativeHandle control, Cursor cursor) = 0;

  // --- Clipboard.
  virtual bool set_clipboard_text(std::u16string_view text) = 0;
  virtual std::u16string clipboard_text() const = 0;

  // --- Modal open-file dialog: the chosen full path, or empty when cancelled. The
  // process's other windows take no input meanwhile.
  virtual std::u16string ask_open_file(const OpenFileRequest& request) = 0;

  // --- Drop targets: a window or control reports drags through BackendSink::on_drag.
  virtual bool enable_drops(NativeHandle target, bool enable) = 0;

  // --- The event pump. Dispatches pending platform events. timeout_ms -1 blocks until
  // one was dispatched, 0 does not wait, otherwise waits at most that long. Returns 0 when
  // nothing was dispatched, else kPlatformEventsDispatched.
  virtual int pump(int timeout_ms) = 0;
  // Any thread: runs `task` on the user-interface thread inside a later pump, and wakes a
  // waiting pump. Tasks run in posting order.
  virtual void post(std::function<void()> task) = 0;
};

}  // namespace ambrel
