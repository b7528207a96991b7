#pragma once

// Top-level windows and their timers. Every operation on an unknown window number returns 0
// and does nothing. Position and size arguments take kKeepValue to keep the current value.

#include <string>

#include "support/object_registry.h"
#include "backend/backend.h"
#include "geometry/keep_value.h"
#include "ui/window_flags.h"

namespace ambrel {

// Start-up (false without a backend) and exit; the exit closes every window.
bool window_library_init();
void window_library_end();

// Opens a window with the given inner size; returns the new number for -1, else 1; 0 on
// failure. A null title is the empty one. `owner` is a native window or kNoHandle.
int window_open(int number, int x, int y, int inner_width, int inner_height, const char16_t* title,
                int flags, NativeHandle owner = kNoHandle);
// Closes one window, or every window for -1.
int window_close(int window);
int window_exists(int window);
int window_set_title(int window, const char16_t* title);
// The title last given; empty for an unknown window.
std::u16string window_title(int window);
int window_resize(int window, int x, int y, int inner_width, int inner_height);
// The largest inner-size maximum a window keeps; a larger one is taken as this.
inline constexpr int kLargestWindowMaximum = 32000;

// Inner-size limits: -1 removes one, kKeepValue keeps it, maximums above
// kLargestWindowMaximum are kLargestWindowMaximum.
int window_bounds(int window, int min_width, int min_height, int max_width, int max_height);
// flags 1: centre on the screen; 2: centre on `other` (or on the active window).
int window_center(NativeHandle window, int flags, NativeHandle other = kNoHandle);
int window_show(int window, int hidden, int flags);
int window_inner_width(int window);
int window_inner_height(int window);
// The largest inner size the platform gives a window; 0 × 0 when it gives any.
Size largest_window_inner_size();

int window_add_timer(int window, int timer, int milliseconds);
int window_remove_timer(int window, int timer);

// The native window of a number (kNoHandle when unknown) and back; a control answers the
// number of the window it lives in, -1 when none.
NativeHandle window_handle(int window);
int window_number_of(NativeHandle handle);

}  // namespace ambrel
