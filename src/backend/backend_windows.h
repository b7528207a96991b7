#pragma once

// Top-level windows and their timers. Sizes are client sizes; positions are the frame's
// top-left.

#include <string>
#include <string_view>

#include "backend/native_handle.h"
#include "geometry/point_size_rect.h"

namespace ambrel {

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

struct WindowRequest {
  std::u16string title;
  WindowStyle style;
  bool platform_position = true;  // false: place the frame's top-left at `position`
  Point position;
  Size client_size;
  NativeHandle owner;  // kNoHandle for an unowned window
};

class BackendWindows {
 public:
  virtual ~BackendWindows() = default;

  // A new window is hidden; kNoHandle on failure.
  virtual NativeHandle create_window(const WindowRequest& request) = 0;
  // Destroys the window and its controls (each reported through on_control_destroyed).
  virtual void destroy_window(NativeHandle window) = 0;
  virtual bool is_window(NativeHandle handle) const = 0;
  virtual void set_window_title(NativeHandle window, std::u16string_view title) = 0;
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
  // The largest client size a window may take where the platform cannot hold larger ones
  // (its screen); windows are never made larger. {0, 0}: any size.
  virtual Size largest_client_size() const { return {}; }

  // Per-window timers: repeat every `milliseconds` until stopped; starting a running timer
  // number again restarts it with the new interval.
  virtual bool start_timer(NativeHandle window, int timer, int milliseconds) = 0;
  virtual bool stop_timer(NativeHandle window, int timer) = 0;

  // The program works on something the user waits for and still takes input: from
  // `delay_ms` on, until hide_busy_pointer, the pointer says so over every window.
  virtual void show_busy_pointer(int delay_ms) = 0;
  virtual void hide_busy_pointer() = 0;
};

}  // namespace ambrel
