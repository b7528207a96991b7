#pragma once

// The current gadget list: the native window or container into which new gadgets go, with
// the stack of earlier parents. Each window keeps its own list, so switching between
// windows resumes where each one was left. The lists live while the gadget library runs;
// without them there is no current parent and the calls below do nothing.

#include "backend/backend.h"

namespace ambrel {

// Start and end of the lists, with the gadget library.
void start_gadget_lists();
void end_gadget_lists();

// Makes `window` the current list; returns the previous current parent.
NativeHandle use_gadget_list(NativeHandle window);
// Pushes the current parent and makes the container current.
void push_gadget_parent(NativeHandle container);
// Makes `parent` current in place of the current one, saving nothing (a panel moves on to
// its next page, and closing its list still returns to what was current before it).
void replace_gadget_parent(NativeHandle parent);
// Pops the parent saved on top; returns false (doing nothing) at depth 0.
bool pop_gadget_parent();
NativeHandle current_gadget_parent();
// Forgets the list of a window that closes.
void forget_gadget_list(NativeHandle window);

}  // namespace ambrel
