#pragma once

// In-memory windows and controls for tests and tools.
//
// Metrics are fixed: every UTF-16 unit is 7 px wide, a line is 13 px high, edges are 2 px,
// thin borders 1 px, scroll bars 17 px. Windows have no frame, so the frame size is the
// client size.
//
// Time is a virtual clock in milliseconds. It moves only when a test advances it or when
// the program waits (a blocking pump jumps to the next timer or scripted input, a pump with
// a time-out moves at most that far), so timers fire at exact virtual times. The busy
// pointer goes up on that clock too. A pump runs posted tasks first, then one idle task;
// while posts are awaited it waits for them rather than move the clock.
//
// A control's text is read in pieces of set_text_piece_size units of the stored text; the
// clipboard's at once, unless the test plays an owner that sends it in parts.
//
// User input is scripted through the user_* members; each reports to the sink at once, as
// the platform would while dispatching the input.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backend/idle_tasks.h"
#include "backend/backend.h"
#include "backend/control_tree_backend.h"
#include "backend/posted_tasks.h"

namespace ambrel {

class HeadlessBackend final : public ControlTreeBackend {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kLineHeight = 13;
  // A panel's tab strip: a line of text with 4 px above and below.
  static constexpr int kTabHeight = kLineHeight + 8;

  explicit HeadlessBackend(Rect screen = {0, 0, 1920, 1080});

  // Every operation of the Backend interface (backend_operations.def).
#define AMBREL_BACKEND_OPERATION(Result, name, parameters, qualifier) \
  Result name parameters qualifier override;
#include "backend/backend_operations.def"

  // --- What tests inspect beyond the interface.
  std::u16string window_title(NativeHandle window) const;
  // The number given by set_control_id; -1 until set.
  int control_id(NativeHandle control) const;
  // The largest piece a text reader hands out (at least 1), so that tests can split a text
  // where they need.
  void set_text_piece_size(std::size_t units) { text_piece_size_ = units > 0 ? units : 1; }
  // From now on the clipboard belongs to another program that sends its text in parts, as
  // the test says, from any thread: a read hears the owner's parts, then its end or its
  // failure (it quit midway). Each returns false when no read listens.
  void give_clipboard_to_owner();
  bool clipboard_owner_sends(std::u16string_view text);
  bool clipboard_owner_ends();
  bool clipboard_owner_quits();
  // Whether the busy pointer shows now.
  bool busy_pointer_shown() const { return busy_pointer_due_ && *busy_pointer_due_ <= now_; }
  // Runs what other threads post and what waits for idle turns, for as long as posts are
  // awaited or tasks are there, without moving the clock.
  void settle();

  // --- The virtual clock.
  std::int64_t now() const { return now_; }
  // Moves the clock forward, firing every timer and scripted input that falls due on the
  // way, in time order.
  void advance_clock(std::int64_t milliseconds);
  // Runs `input` when the clock reaches now() + delay.
  void schedule(std::int64_t delay, std::function<void()> input);

  // --- Scripted user input.
  void user_close(NativeHandle window);
  void user_move(NativeHandle window, Point position);
  // Drags the frame to the size; the size limits hold as on a real desktop.
  void user_resize(NativeHandle window, Size client_size);
  void user_minimize(NativeHandle window);
  void user_maximize(NativeHandle window);
  void user_restore(NativeHandle window);
  void user_activate(NativeHandle window);
  void user_mouse(NativeHandle target, const MouseInput& input);
  // Press and release; a left click on an enabled button is also its command (code 0).
  // A left click pushes a button, toggles a check box, selects an option, follows a link.
  void user_click(NativeHandle target, MouseButton button, Point position);
  void user_double_click(NativeHandle target, Point position);
  // Types into a writable editor, string or code editor, one change notification per UTF-16 unit.
  void user_type(NativeHandle control, std::u16string_view text);
  // Pastes into a writable editor as the toolkit backends' editors do: the ui layer takes the
  // clipboard's text in (see BackendSink::on_editor_paste), at the end, as the headless editor
  // has no caret, each piece a change.
  void user_paste(NativeHandle editor);
  void user_press_tab(NativeHandle window, bool backward);
  void user_focus(NativeHandle control);
  // Drags files over the target and drops them; returns the action the target chose.
  int user_drop_files(NativeHandle target, std::vector<std::u16string> files, Point position,
                      int offered_actions, int modifiers);
  // The path the next open-file dialog answers (empty: the user cancels).
  void answer_open_file(std::u16string path);
  const std::optional<OpenFileRequest>& last_open_file_request() const { return last_open_file_; }
  Cursor control_cursor(NativeHandle control) const;
  bool drops_enabled(NativeHandle target) const;
  // The program's own items of the editor's context menu.
  const std::vector<EditorMenuItem>& editor_menu_items(NativeHandle editor) const;
  // Chooses the item numbered `item` of the editor's context menu; false when it has none.
  bool user_choose_editor_menu_item(NativeHandle editor, int item);

 private:
  struct Window {
    std::u16string title;
    WindowStyle style;
    Point position;
    Size client_size;
    Size normal_size;  // the size to restore from minimized or maximized
    Size minimum;
    Size maximum;
    WindowState state = WindowState::Normal;
    bool visible = false;
    NativeHandle owner;
    bool drops = false;
  };
  struct Control {
    ControlRange range;
    int value = 0;
    std::vector<std::u16string> items;  // list items, or the titles of a panel's pages
    Size inner;                         // scroll area: the area scrolled over
    Rect geometry;
    std::u16string text;
    ControlStyle style;
    bool enabled = true;
    bool visible = true;
    Cursor cursor = Cursor::Arrow;
    bool drops = false;
    std::vector<EditorMenuItem> menu_items;  // editor
  };
  struct Timer {
    NativeHandle window;
    int number = 0;
    std::int64_t interval = 0;
    std::int64_t due = 0;
    std::uint64_t sequence = 0;
  };
  struct ScriptedInput {
    std::int64_t due = 0;
    std::uint64_t sequence = 0;
    std::function<void()> input;
  };

  Window* find_window(NativeHandle handle) { return find_record(windows_, handle); }
  const Window* find_window(NativeHandle handle) const { return find_record(windows_, handle); }
  Control* find_control(NativeHandle handle) { return find_record(controls_, handle); }
  const Control* find_control(NativeHandle handle) const { return find_record(controls_, handle); }
  void destroy_children(std::vector<NativeHandle> children);
  void change_activation(NativeHandle window);
  void change_focus(NativeHandle control);
  void change_size(NativeHandle window, Size client_size);
  Size clamp_to_limits(const Window& window, Size size) const;
  void place_panel_pages(NativeHandle panel);
  void select_option(NativeHandle option);

  class TextReader;

  std::optional<std::int64_t> next_due() const;
  bool fire_next_due(std::int64_t limit);
  // Runs the first task that waits for an idle turn; false when none does.
  bool run_idle_task();

  BackendSink* sink_ = nullptr;
  Rect screen_;
  std::map<std::uint64_t, Window> windows_;
  std::map<std::uint64_t, Control> controls_;
  NativeHandle active_;
  NativeHandle focus_;
  NativeHandle capture_;
  std::u16string clipboard_;
  struct ClipboardOwner;
  class OwnedClipboardReading;
  std::shared_ptr<ClipboardOwner> owner_;  // null while the clipboard is the text above
  class EditorEnd;
  std::size_t text_piece_size_ = std::size_t{1} << 15;
  std::deque<std::u16string> open_file_answers_;
  std::optional<OpenFileRequest> last_open_file_;

  std::int64_t now_ = 0;
  std::uint64_t sequence_ = 0;
  std::vector<Timer> timers_;
  std::vector<ScriptedInput> scripted_;

  PostedTasks posted_;
  IdleTasks idle_tasks_;
  bool awaiting_posts_ = false;
  std::optional<std::int64_t> busy_pointer_due_;
};

}  // namespace ambrel
