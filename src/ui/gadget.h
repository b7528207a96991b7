#pragma once

// The gadget registry and the operations every gadget shares. Gadgets are numbered like
// windows: a small explicit number or kAnyNumber for an automatic one. Every operation on
// an unknown gadget number returns 0 (or the empty text) and does nothing. Position and
// size arguments take kKeepValue (-65535) to keep the current value.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "backend/backend.h"
#include "ui/gadget_kind.h"

namespace ambrel {

// Start-up (after the window library; false without a backend) and exit (before it ends);
// the exit frees every gadget.
bool gadget_library_init();
void gadget_library_end();

// The common creation path of every kind: creates the control described by `request` in the
// current gadget list and registers it. Returns the new number for kAnyNumber, else 1; 0
// when there is no current list or the control cannot be made (no number is taken then).
int create_gadget(int number, const GadgetKind& kind, ControlRequest request, int flags,
                  std::unique_ptr<GadgetExtra> extra = nullptr);

// Pushes the container gadget's control as the current gadget list; 0 when unknown.
int open_gadget_list(int container);
// Pops the list saved on top; at depth 0 nothing happens.
void close_gadget_list();

// Frees one gadget, or every gadget for kAnyNumber; its queued gadget events go with it.
int free_gadget(int gadget);
int is_gadget(int gadget);
// The kind code, or None.
GadgetKindCode gadget_kind(int gadget);
NativeHandle gadget_handle(int gadget);
// The number of the gadget a control belongs to, or -1.
int gadget_number_of(NativeHandle control);
// The record, for the kinds' own operations; nullptr when unknown.
Gadget* find_gadget(int gadget);

// Sets the text with events suppressed; null is the empty text.
int set_gadget_text(int gadget, const char16_t* text);
int set_gadget_text(int gadget, std::u16string_view text);
std::u16string get_gadget_text(int gadget);
// Adds text at the end of the gadget's text with events suppressed: in time that grows with
// the text added, not with the text held, for an editor (see
// BackendControls::append_control_text).
int append_gadget_text(int gadget, std::u16string_view text);
// Makes room in an editor gadget for about `units` units more than it holds, so that a long
// text added in pieces is not moved again and again as it grows (see
// BackendControls::reserve_control_text).
int reserve_gadget_text(int gadget, std::uint64_t units);
// A reader of the text get_gadget_text gives, a slice at a time, without a copy of the whole
// where the control allows (see ControlTextReader); nullptr for an unknown gadget.
std::unique_ptr<ControlTextReader> read_gadget_text(int gadget);

// The program's own items of an editor gadget's context menu (see EditorMenuItem); choosing
// one raises a menu event of the gadget's window with the item's number as its object.
int set_gadget_menu_items(int gadget, std::vector<EditorMenuItem> items);

// Through the kind's operations; events are suppressed while state and items change.
int set_gadget_state(int gadget, int value);
int get_gadget_state(int gadget);
int add_gadget_item(int gadget, int position, const char16_t* text);
int get_gadget_attribute(int gadget, int attribute);
int set_gadget_attribute(int gadget, int attribute, int value);

// state 1 disables (hides), 0 enables (shows).
int disable_gadget(int gadget, int state);
int hide_gadget(int gadget, int state);
// Moves and sizes the gadget within its parent; kKeepValue keeps that argument.
int resize_gadget(int gadget, int x, int y, int width, int height);
int gadget_width(int gadget);
int gadget_height(int gadget);

// The top-level window a native control lives in, or kNoHandle.
NativeHandle gadget_window_of(NativeHandle control);

// Raises a gadget event (13100) of `gadget` with `type`; `forced` also while suppressed.
void raise_gadget_event(const Gadget& gadget, int type, bool forced = false);

}  // namespace ambrel
