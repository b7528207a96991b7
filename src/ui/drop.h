#pragma once

// File drop targets: a window or gadget accepts data dragged onto it, and a drop becomes an
// ordinary event carrying a private copy of the data until the next event is taken.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "backend/backend.h"

namespace ambrel {

// Formats, by the platform's clipboard-format numbers.
inline constexpr int kDropFormatText = 1;
inline constexpr int kDropFormatOemText = 7;
inline constexpr int kDropFormatUnicodeText = 13;
inline constexpr int kDropFormatFiles = 15;
inline constexpr int kDropFormatPrivate = 512;  // a drag of this program's own, with a type number

// Accepts `format` with `actions` (kDrop* bits) on the gadget's control; actions 0 removes
// the format. Enabling text (format 1) accepts every text format. 1 on success, 0 when the
// gadget is unknown or the platform refuses the target.
int enable_gadget_drop(int gadget, int format, int actions);
// The same for a window.
int enable_window_drop(int window, int format, int actions);
// Accepts this program's own drags of `private_type` on the gadget.
int enable_private_drop(int gadget, int private_type, int actions);

// The action a drop takes: `available` is the offered actions the target allows, and of the
// modifiers only Shift, Control and Alt count. Link for exactly Control+Shift or exactly
// Alt, move for exactly Shift or when copy is not available, else copy; 0 when nothing is.
int choose_drop_action(int available, int modifiers);

// What a drop event carries as its data.
struct DropRecord {
  int format = 0;
  int private_type = 0;
  int action = 0;
  int x = 0;  // in the target's client coordinates
  int y = 0;
  std::vector<std::u16string> files;  // a file drop's paths
  std::u16string data;                // a text drop's text and a zero
  std::size_t data_length() const { return data.size() * sizeof(char16_t); }
};

// The current event's dropped file paths; none when the current event carries no file drop.
std::vector<std::u16string> event_drop_file_list();
// The same joined by line feeds (none after the last); the empty text when the current
// event carries no file drop.
std::u16string event_drop_files();

// The one optional veto: called as (target, phase, format, proposed action, x, y); a zero
// result refuses the drop. nullptr removes it.
using DropCallback = int (*)(NativeHandle target, DragPhase phase, int format, int action, int x,
                             int y);
void set_drop_callback(DropCallback callback);

// The platform's drag reports, from the ui layer's sink: the action chosen (0 refuses).
int drop_target_drag(NativeHandle target, const DragInput& input);
// The target's control or window is gone.
void forget_drop_target(NativeHandle target);
// Start-up (true once it runs) and exit: both forget every target and the veto.
bool drop_library_init();
void drop_library_end();

}  // namespace ambrel
